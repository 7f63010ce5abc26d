#include "svg_codes.h"

#include <cctype>
#include <cstring>

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

bool DecodeBytes(std::string_view text, char escape, std::string& out) {
  out.resize(text.size());  // the bytes are never more than their codes
  char* to = out.data();
  for (size_t i = 0; i < text.size(); i++) {
    if (text[i] != escape) {
      *to++ = text[i];
      continue;
    }
    if (i + 2 >= text.size()) return false;
    int hi = HexValue(text[i + 1]), lo = HexValue(text[i + 2]);
    if (hi < 0 || lo < 0) return false;
    *to++ = static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  out.resize(static_cast<size_t>(to - out.data()));
  return true;
}

bool DecodedBytes(const char* text, char escape, std::string& room, std::string_view* out) {
  const char* end = strchrnul(text, escape);
  if (*end == '\0') {
    *out = std::string_view(text, static_cast<size_t>(end - text));
    return true;
  }
  if (!DecodeBytes(text, escape, room)) return false;
  *out = room;
  return true;
}

bool KeepValueByte(unsigned char c) { return c >= 0x20 && c < 0x7F; }
bool KeepKeyByte(unsigned char c) { return std::isalnum(c) || c == '_' || c == '.'; }
