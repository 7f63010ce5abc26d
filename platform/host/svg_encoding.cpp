#include "svg_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdio>

namespace {

size_t LineAt(const std::string& text, size_t at) {
  return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<ptrdiff_t>(at), '\n'));
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The encoding the XML declaration names ("" when none does).
std::string DeclaredEncoding(const std::string& text) {
  if (text.compare(0, 5, "<?xml") != 0) return "";
  const size_t end = text.find("?>");
  const std::string declaration = text.substr(0, end);
  const size_t at = declaration.find("encoding");
  if (at == std::string::npos) return "";
  const size_t quote = declaration.find_first_of("\"'", at);
  if (quote == std::string::npos) return "";
  const size_t close = declaration.find(declaration[quote], quote + 1);
  if (close == std::string::npos) return "";
  return declaration.substr(quote + 1, close - quote - 1);
}

// Converts with iconv; false, with the line of the first byte that is no character, when it fails.
bool Converted(const std::string& bytes, size_t from, const std::string& encoding, std::string* out, size_t* line,
               std::string* why) {
  iconv_t cd = iconv_open("UTF-8", encoding.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    *line = 1;
    *why = "the encoding \"" + encoding + "\" is not known";
    return false;
  }
  out->clear();
  char* in = const_cast<char*>(bytes.data()) + from;
  size_t inLeft = bytes.size() - from;
  char buffer[65536];
  bool ok = true;
  while (inLeft > 0) {
    char* o = buffer;
    size_t oLeft = sizeof buffer;
    const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    out->append(buffer, static_cast<size_t>(o - buffer));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      ok = false;
      break;
    }
  }
  iconv_close(cd);
  if (!ok) {
    *line = LineAt(*out, out->size());
    *why = "bytes that are not " + encoding + " text";
  }
  return ok;
}

// The length of the UTF-8 character at `at`, and its code point; 0 when it is not one.
size_t Utf8Character(const std::string& text, size_t at, char32_t* code) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    *code = lead;
    return 1;
  }
  const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (length == 0 || at + length > text.size()) return 0;
  char32_t c = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    c = c << 6 | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and what lies beyond U+10FFFF are no characters.
  const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < least[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return 0;
  *code = c;
  return length;
}

bool AllowedInXml(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

std::string CodeText(char32_t c) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return text;
}

// A character reference ("&#1;", "&#x1F;") to a character XML does not allow; false when there is none at `at`.
bool BadReference(const std::string& text, size_t at, char32_t* code) {
  if (text.compare(at, 2, "&#") != 0) return false;
  size_t i = at + 2;
  const bool hex = i < text.size() && text[i] == 'x';
  if (hex) ++i;
  unsigned long long v = 0;
  size_t digits = 0;
  for (; i < text.size() && std::isxdigit(static_cast<unsigned char>(text[i])) && digits < 12; ++i, ++digits) {
    const char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    if (!hex && !std::isdigit(static_cast<unsigned char>(ch))) break;
    v = v * (hex ? 16 : 10) + static_cast<unsigned>(ch <= '9' ? ch - '0' : ch - 'a' + 10);
  }
  if (digits == 0 || i >= text.size() || text[i] != ';') return false;
  *code = v > 0x10FFFF ? 0x110000 : static_cast<char32_t>(v);
  return !AllowedInXml(*code);
}

}  // namespace

bool DocumentTextAsUtf8(const std::string& bytes, std::string* text, size_t* line, std::string* why) {
  const auto at = [&](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u; };
  if (at(0) == 0xFF && at(1) == 0xFE) {
    if (!Converted(bytes, 2, "UTF-16LE", text, line, why)) return false;
  } else if (at(0) == 0xFE && at(1) == 0xFF) {
    if (!Converted(bytes, 2, "UTF-16BE", text, line, why)) return false;
  } else if (at(0) == '<' && at(1) == 0) {  // UTF-16 without a mark: "<" and its zero byte
    if (!Converted(bytes, 0, "UTF-16LE", text, line, why)) return false;
  } else if (at(0) == 0 && at(1) == '<') {
    if (!Converted(bytes, 0, "UTF-16BE", text, line, why)) return false;
  } else {
    const size_t mark = at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF ? 3 : 0;
    const std::string declared = DeclaredEncoding(bytes.substr(mark, 200));
    if (mark == 0 && !declared.empty() && Lower(declared) != "utf-8" && Lower(declared) != "utf8") {
      if (!Converted(bytes, 0, declared, text, line, why)) return false;
    } else {
      *text = bytes.substr(mark);
    }
  }
  for (size_t i = 0; i < text->size();) {
    char32_t c = 0;
    const size_t length = Utf8Character(*text, i, &c);
    if (length == 0) {
      *line = LineAt(*text, i);
      *why = "bytes that are not UTF-8 text";
      return false;
    }
    if (!AllowedInXml(c) || ((*text)[i] == '&' && BadReference(*text, i, &c))) {
      *line = LineAt(*text, i);
      *why = "a character XML does not allow (" + CodeText(c) + ")";
      return false;
    }
    i += length;
  }
  return true;
}
