#include "text/number_text.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The number at the start of the text, and where it ends.
int ReadNumber(const char* text, double* value, const char** end) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (IsBlank(*p)) ++p;
  const char* body = *p == '+' || *p == '-' ? p + 1 : p;
  if (!IsDigit(body[0]) && !(body[0] == '.' && IsDigit(body[1]))) return 0;
  // strtod would read on as hexadecimal; the decimal number here is the 0.
  if (body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
    *value = 0.0;
    *end = body + 1;
    return 1;
  }
  char* after = nullptr;
  const double parsed = std::strtod(p, &after);
  if (!std::isfinite(parsed)) return 0;
  *value = parsed;
  *end = after;
  return 1;
}

}  // namespace

int ReadLeadingNumber(const char* text, double* value) {
  const char* end = nullptr;
  return ReadNumber(text, value, &end);
}

int ReadWholeNumber(const char* text, double* value) {
  const char* end = nullptr;
  double read = 0;
  if (!ReadNumber(text, &read, &end) || *end != '\0') return 0;
  *value = read;
  return 1;
}

double TextToReal(const char* text) {
  double value = 0.0;
  return ReadLeadingNumber(text, &value) ? value : 0.0;
}

int32_t TextToInteger(const char* text) {
  const double value = std::trunc(TextToReal(text));
  if (value < -2147483648.0 || value > 4294967295.0) return 0;
  if (value < 0) return static_cast<int32_t>(value);
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

int16_t TextToShort(const char* text) {
  const double value = std::trunc(TextToReal(text));
  return value >= -32768.0 && value <= 32767.0 ? static_cast<int16_t>(value) : 0;
}
