// What the file-reader fuzz targets share: a Documents folder of their own, a
// globals record at its start-up defaults, and the files as bytes. Kept out of
// the unit tests (.cc and this header are not globbed into them).
#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "common/plugin_globals.h"
#include "shell/plugin_lifecycle.h"

namespace filefuzz {

// The Documents folder, made once, with the module's folders; in memory where
// the system has such a folder.
inline const std::string& Documents() {
  static const std::string folder = [] {
    char pattern[] = "/dev/shm/vestamark-fuzz-XXXXXX";
    char fallback[] = "/tmp/vestamark-fuzz-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) made = mkdtemp(fallback);
    setenv("VESTAMARK_DOCUMENTS", made, 1);
    const std::string prefs = std::string(made) + "/Adobe/Illustrator/Prefs/Vestamark/SizeTable";
    for (size_t at = 0; at != std::string::npos;) {
      at = prefs.find('/', at + 1);
      mkdir(prefs.substr(0, at).c_str(), 0777);
    }
    return std::string(made);
  }();
  return folder;
}

inline std::string PrefsFile(const std::string& relative) {
  return Documents() + "/Adobe/Illustrator/Prefs/" + relative;
}

inline void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
}

inline bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A record at the module's start-up defaults, with its variable table.
inline PluginGlobals* NewGlobals() {
  auto* g = static_cast<PluginGlobals*>(std::calloc(1, sizeof(PluginGlobals)));
  gPlugin = g;
  SetStartupDefaults(nullptr);
  VariableTable& table = g->variables;
  table.varValues = static_cast<char(*)[kVarValueSize]>(std::calloc(kMaxVariables, kVarValueSize));
  table.varNames = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  table.varTitles = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  table.varPrivate = static_cast<uint32_t*>(std::calloc(kMaxVariables, sizeof(uint32_t)));
  return g;
}

// Puts back every field of the record but the handle table, which no file
// reader touches and which is most of its bytes.
inline void Restore(PluginGlobals* g, const PluginGlobals& defaults) {
  const char* from = reinterpret_cast<const char*>(&defaults);
  char* to = reinterpret_cast<char*>(g);
  const size_t handles = reinterpret_cast<const char*>(&defaults.handles) - from;
  std::memcpy(to, from, handles);
  std::memcpy(to + handles + sizeof g->handles, from + handles + sizeof g->handles,
              sizeof *g - handles - sizeof g->handles);
}

}  // namespace filefuzz
