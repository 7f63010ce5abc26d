// libFuzzer target: any bytes as the preferences file, or (first byte odd) as
// a preset file.
// What the reader took is written, read again and written again: the presets
// read are the same, the second file is the first to the byte, and a file the
// module wrote reads whole (no copy of a damaged file is made).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>

#include "file_fuzz.h"
#include "store/preferences_file.h"
#include "store/text_fields.h"

namespace {

// The presets and the scales they use, as the file holds them.
std::string Presets(const PluginGlobals& g) {
  std::string text(reinterpret_cast<const char*>(g.presets), sizeof g.presets);
  for (const PresetRecord& p : g.presets) {
    if (p.empty || p.scaleIndex < 0 || p.scaleIndex >= kMaxPresets) continue;
    char scales[64];
    std::snprintf(scales, sizeof scales, "%g,%g;", StoredSinglePrecision(g.presetScale[p.scaleIndex].h),
                  StoredSinglePrecision(g.presetScale[p.scaleIndex].v));
    text += scales;
  }
  return text;
}

void RoundTrip(PluginGlobals* g, const PluginGlobals& defaults, const char* name, const std::string& path,
               const uint8_t* data, size_t size) {
  filefuzz::WriteBytes(path, data, size);
  filefuzz::Restore(g, defaults);
  ReadPreferencesIni(name);
  const std::string read = Presets(*g);
  if (WritePreferencesIni(name) != 1) __builtin_trap();
  const std::string written = filefuzz::ReadBytes(path);

  std::remove((path + ".bak").c_str());
  filefuzz::Restore(g, defaults);
  ReadPreferencesIni(name);
  if (filefuzz::Exists(path + ".bak")) __builtin_trap();  // the module's own file was damaged
  if (Presets(*g) != read) __builtin_trap();
  if (WritePreferencesIni(name) != 1 || filefuzz::ReadBytes(path) != written) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static PluginGlobals* g = filefuzz::NewGlobals();
  static const PluginGlobals& defaults = *[] {
    auto* copy = static_cast<PluginGlobals*>(std::malloc(sizeof(PluginGlobals)));
    std::memcpy(copy, g, sizeof *copy);
    return copy;
  }();
  gPlugin = g;
  if (size == 0) return 0;
  if (data[0] & 1) {
    RoundTrip(g, defaults, "P", filefuzz::PrefsFile("Vestamark/P.ini"), data + 1, size - 1);
  } else {
    RoundTrip(g, defaults, nullptr, filefuzz::PrefsFile("Vestamark.ini"), data + 1, size - 1);
  }
  return 0;
}
