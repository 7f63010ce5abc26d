#include <cstring>
#include <string>

#include "common/plugin_globals.h"
#include "expr/script_internal.h"

namespace {

enum MacroKind {
  kLength,
  kDistance,
  kRadius,
  kCompScale,
  kScaleH,
  kScaleV,
  kOriginH,
  kOriginV,
  kAngle,
  kPresetIdx,
  kPresetName
};

struct Macro {
  const char* name;
  MacroKind kind;
};

// Tried in this order at every position.
constexpr Macro kMacros[] = {
    {"%%LENGTH%%", kLength},          {"%%DISTANCE%%", kDistance},      {"%%RADIUS%%", kRadius},
    {"%%GR_COMPSCALE%%", kCompScale}, {"%%GR_SCALE_H%%", kScaleH},      {"%%GR_SCALE_V%%", kScaleV},
    {"%%GR_ORIGIN_H%%", kOriginH},    {"%%GR_ORIGIN_V%%", kOriginV},    {"%%GR_ANGLE%%", kAngle},
    {"%%PRESET_IDX%%", kPresetIdx},   {"%%PRESET_NAME%%", kPresetName},
};

// The current preset's scale pair; a damaged index reads as no scale.
ScalePair CurrentScale(const PluginGlobals& g) {
  if (g.currentScaleIndex < 0 || g.currentScaleIndex >= kMaxPresets) return ScalePair{0.0, 0.0};
  return g.presetScale[g.currentScaleIndex];
}

std::string MacroValue(MacroKind kind) {
  const PluginGlobals& g = *gPlugin;
  switch (kind) {
    case kLength:
      return FormatScriptNumber(g.envLength * g.unitPerPoint);
    case kDistance:
      return FormatScriptNumber(g.envDistance * g.unitPerPoint);
    case kRadius:
      return FormatScriptNumber(g.envRadius * g.unitPerPoint);
    case kCompScale:
      return FormatScriptNumber(g.grading_compscale);
    case kScaleH:
      return FormatScriptNumber(CurrentScale(g).h);
    case kScaleV:
      return FormatScriptNumber(CurrentScale(g).v);
    case kOriginH:
      return FormatScriptNumber(g.grading_origin.h);
    case kOriginV:
      return FormatScriptNumber(g.grading_origin.v);
    case kAngle:
      return FormatScriptNumber(g.grading_angle);
    case kPresetIdx:
      return FormatScriptInteger(g.currentScaleIndex + 1);
    case kPresetName: {
      std::string quoted = "\"";
      if (g.currentPresetSlot >= 0 && g.currentPresetSlot < kMaxPresets) {
        const char* name = g.presets[g.currentPresetSlot].name;
        quoted.append(name, strnlen(name, kNameSize - 1));
      }
      return quoted + "\"";
    }
  }
  return std::string();
}

}  // namespace

// Macros are replaced everywhere, inside quoted texts too; blanks and control
// characters outside quoted texts are dropped.
std::string ExpandScriptMacros(const char* text) {
  std::string out;
  out.reserve(std::strlen(text));
  bool inString = false;
  size_t i = 0;
  while (text[i] != '\0') {
    int step = ScriptCharLength(text + i);
    if (step == 2) {
      out.append(text + i, 2);
      i += 2;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"') {
      inString = !inString;
      out += '"';
      ++i;
      continue;
    }
    bool replaced = false;
    if (c == '%') {
      for (const Macro& macro : kMacros) {
        size_t length = std::strlen(macro.name);
        if (std::strncmp(text + i, macro.name, length) == 0) {
          out += MacroValue(macro.kind);
          i += length;
          replaced = true;
          break;
        }
      }
    }
    if (replaced) continue;
    if (inString || c > ' ') out += static_cast<char>(c);
    ++i;
  }
  return out;
}
