// libFuzzer target: arbitrary bytes as an expression, as variable values and
// as a template. Kept out of the unit tests (.cc, not globbed).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../script_globals.h"
#include "expr/script.h"

namespace {

PluginGlobals* NewGlobals() {
  PluginGlobals* g = NewScriptGlobals();
  g->currentScaleIndex = 2;
  std::strcpy(g->presets[0].name, "M");
  return g;
}

// Exactly sized heap copies, so that any read past the end is caught.
std::vector<char> Terminated(const uint8_t* data, size_t size) {
  std::vector<char> text(data, data + size);
  text.push_back('\0');
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static PluginGlobals* globals = NewGlobals();
  gPlugin = globals;
  // Bytes up to the first NUL are the expression; two more NUL-separated
  // pieces become the values of the variables "a" and "b".
  const uint8_t* pieces[3] = {data, data + size, data + size};
  size_t lengths[3] = {size, 0, 0};
  for (int piece = 0; piece < 2; ++piece) {
    const void* nul = std::memchr(pieces[piece], 0, lengths[piece]);
    if (nul == nullptr) break;
    size_t cut = static_cast<const uint8_t*>(nul) - pieces[piece];
    pieces[piece + 1] = pieces[piece] + cut + 1;
    lengths[piece + 1] = lengths[piece] - cut - 1;
    lengths[piece] = cut;
  }
  std::vector<char> text = Terminated(pieces[0], lengths[0]);
  VariableTable& table = globals->variables;
  std::strcpy(table.varNames[0], "a");
  std::strcpy(table.varNames[1], "b");
  for (int row = 0; row < 2; ++row) {
    size_t n = lengths[row + 1] < kVarValueSize - 1 ? lengths[row + 1] : kVarValueSize - 1;
    std::memcpy(table.varValues[row], pieces[row + 1], n);
    table.varValues[row][n] = '\0';
  }
  for (int row = 2; row < kMaxVariables; ++row) table.varNames[row][0] = '\0';

  char* result = static_cast<char*>(std::malloc(kScriptValueSize));
  RunScript(text.data(), result, 1);
  if (std::strlen(result) >= kScriptValueSize) __builtin_trap();
  RunScript(text.data(), result, 0);
  std::free(result);
  RunTemplateScript(text.data());
  return 0;
}
