#include "svg_codes.h"

#include <cctype>

namespace {

const char kHex[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

// Printable ASCII stays as it is; every other byte and '%' become %HH.
std::string EncodeBytes(const std::string& bytes, char escape, bool (*keep)(unsigned char)) {
  std::string out;
  for (unsigned char c : bytes) {
    if (keep(c) && c != static_cast<unsigned char>(escape)) {
      out += static_cast<char>(c);
    } else {
      out += escape;
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

size_t DecodeInto(std::string_view text, char escape, char* out) {
  char* to = out;
  for (size_t i = 0; i < text.size(); i++) {
    if (text[i] != escape) {
      *to++ = text[i];
      continue;
    }
    if (i + 2 >= text.size()) return kBrokenCode;
    int hi = HexValue(text[i + 1]), lo = HexValue(text[i + 2]);
    if (hi < 0 || lo < 0) return kBrokenCode;
    *to++ = static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return static_cast<size_t>(to - out);
}

bool DecodeBytes(std::string_view text, char escape, std::string& out) {
  out.resize(text.size());
  const size_t size = DecodeInto(text, escape, out.data());
  if (size == kBrokenCode) return false;
  out.resize(size);
  return true;
}

bool KeepValueByte(unsigned char c) { return c >= 0x20 && c < 0x7F; }
bool KeepKeyByte(unsigned char c) { return std::isalnum(c) || c == '_' || c == '.'; }
