#include <cstdio>
#include <cstring>

#include "expr/script_internal.h"
#include "text/number_text.h"
#include "text/shift_jis_chars.h"

namespace {

constexpr char kDelimiters[] = "()[]{}<>,+-*/=~'\"\\|$&%#!;:?";

}  // namespace

int ScriptCharLength(const char* text) { return ShiftJisCharLength(text, ShiftJisTrail::kAny); }

int IsScriptDelimiter(unsigned char c) { return c != 0 && std::strchr(kDelimiters, c) != nullptr; }

size_t ScriptTokenLength(const char* text, bool colonInName) {
  size_t i = 0;
  while (text[i] != '\0') {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c <= ' ') break;
    if (IsScriptDelimiter(c) && !(colonInName && c == ':')) break;
    i += ScriptCharLength(text + i);
  }
  return i;
}

size_t ScriptFitLength(const char* text, size_t length, size_t limit) {
  return ShiftJisFitSpan(text, length, limit, ShiftJisTrail::kAny);
}

std::string ScriptWorkText(const char* text, size_t length) {
  return std::string(text, ScriptFitLength(text, length, kScriptWorkBytes));
}

void CapScriptValue(std::string* value) {
  if (value->size() > kScriptWorkBytes)
    value->resize(ScriptFitLength(value->data(), value->size(), kScriptWorkBytes));
}

double ReadScriptNumber(const char* text) { return TextToReal(text); }

std::string FormatScriptNumber(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

std::string FormatScriptInteger(int64_t value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
  return buffer;
}

bool IsScriptPlainNumber(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (!(text[i] >= '0' && text[i] <= '9') && text[i] != '.') return false;
  }
  return true;
}
