#include "store/preferences_paths.h"

#include <cstring>

#include "text/shift_jis_chars.h"
#include "text/user_folder.h"
#include "win_api.h"

namespace {

bool Append(char* out, size_t size, const char* text) {
  const size_t used = std::strlen(out);
  const size_t length = std::strlen(text);
  if (used + length >= size) return false;
  std::memcpy(out + used, text, length + 1);
  return true;
}

// The Illustrator folder followed by `relative`, creating every folder the
// relative part names up to its last backslash.
bool BuildUnderUserFolder(const char* relative, char* out, size_t size) {
  if (size == 0) return false;
  out[0] = '\0';
  char base[MAX_PATH] = {};
  if (!GetIllustratorUserFolder(base) || !Append(out, size, base)) {
    out[0] = '\0';
    return false;
  }
  const size_t baseLength = std::strlen(out);
  for (const char* p = relative; *p != '\0'; ++p) {
    if (*p != '\\' || p == relative) continue;
    const size_t length = baseLength + static_cast<size_t>(p - relative);
    if (length >= size) break;
    std::memcpy(out + baseLength, relative, static_cast<size_t>(p - relative));
    out[length] = '\0';
    CreateDirectory(out, nullptr);  // already there is fine
  }
  out[baseLength] = '\0';
  if (!Append(out, size, relative)) {
    out[0] = '\0';
    return false;
  }
  return true;
}

bool BuildNamedFile(const char* folder, const char* name, char* out, size_t size) {
  if (!IsUsableFileName(name) || !BuildUnderUserFolder(folder, out, size)) {
    if (size > 0) out[0] = '\0';
    return false;
  }
  if (!Append(out, size, name) || !Append(out, size, kPresetFileExtension)) {
    out[0] = '\0';
    return false;
  }
  return true;
}

}  // namespace

int IsUsableFileName(const char* name) {
  if (name == nullptr || name[0] == '\0') return 0;
  for (const char* p = name; *p != '\0'; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (ShiftJisCharLength(p, ShiftJisTrail::kAny) == 2) {
      ++p;  // a trail byte may look like a backslash
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') return 0;
    if (c == '.' && p[1] == '.') return 0;
  }
  return 1;
}

int GetPresetFolderPath(char* out, size_t size) { return BuildUnderUserFolder(kPresetFolder, out, size); }

int GetSizeTableFolderPath(char* out, size_t size) {
  return BuildUnderUserFolder(kSizeTableFolder, out, size);
}

int BuildPreferencesFilePath(char* out, size_t size) {
  // The preset folder is made alongside the main file, as every read and write expects.
  if (!BuildUnderUserFolder(kPresetFolder, out, size)) return 0;
  return BuildUnderUserFolder(kPreferencesFile, out, size);
}

int BuildPresetFilePath(const char* name, char* out, size_t size) {
  return BuildNamedFile(kPresetFolder, name, out, size);
}

int BuildSizeTableFilePath(const char* name, char* out, size_t size) {
  return BuildNamedFile(kSizeTableFolder, name, out, size);
}
