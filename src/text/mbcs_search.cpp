#include "text/mbcs_search.h"

#include <string>

#include "text/byte_classes.h"

namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const char* text, const char* needle, int fold) {
  int i = 0;
  while (needle[i] != '\0') {
    const int length = Utf8CharLength(needle + i);
    if (length == 1 && fold) {
      if (FoldAscii(text[i]) != FoldAscii(needle[i])) return false;
    } else {
      // The text's NUL differs from every needle byte, so this stops at the text's end.
      for (int k = 0; k < length; ++k) {
        if (text[i + k] != needle[i + k]) return false;
      }
    }
    i += length;
  }
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

int FindSubstringMbcs(const char* text, const char* needle, int fold) {
  if (text == nullptr || needle == nullptr) return -1;
  int start = 0;
  for (;;) {
    if (MatchesAt(text + start, needle, fold)) return start;
    if (text[start] == '\0') return -1;
    start += Utf8CharLength(text + start);
  }
}

int ReadKeyValueFromText(const char* text, const char* key, char* output, int upper) {
  if (output == nullptr) return 0;
  output[0] = '\0';
  if (text == nullptr || key == nullptr) return 0;
  std::string pattern = std::string(" ") + key + "=";
  int at = FindSubstringMbcs(text, pattern.c_str(), 1);
  if (at < 0) {
    pattern = std::string(" ") + key + " =";
    at = FindSubstringMbcs(text, pattern.c_str(), 1);
    if (at < 0) return 0;
  }
  const char* p = text + at + pattern.size();
  if (IsBlank(*p)) ++p;
  const bool quoted = *p == '"';
  if (quoted) ++p;

  int n = 0;
  while (*p != '\0') {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (ShiftJisCharLength(p, ShiftJisTrail::kAny) == 2) {
      // A double-byte character is copied whole or not at all; its second byte is never a delimiter.
      if (n + 2 > kKeyValueMaxBytes) break;
      output[n++] = p[0];
      output[n++] = p[1];
      p += 2;
      continue;
    }
    if (quoted ? c == '"' : IsBlank(static_cast<char>(c))) break;
    char out = static_cast<char>(c);
    if (c == '\\' && (p[1] == '"' || p[1] == 't' || p[1] == '\\')) {
      out = p[1] == 't' ? '\t' : p[1];
      ++p;
    }
    if (n + 1 > kKeyValueMaxBytes) break;
    if (upper && out >= 'a' && out <= 'z') out = static_cast<char>(out - 'a' + 'A');
    output[n++] = out;
    ++p;
  }
  output[n] = '\0';
  return n > 0 ? 1 : 0;
}
