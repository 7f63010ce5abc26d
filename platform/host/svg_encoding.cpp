#include "svg_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

size_t LineAt(std::string_view text, size_t at) {
  return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<ptrdiff_t>(at), '\n'));
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The encoding the XML declaration names ("" when none does).
std::string DeclaredEncoding(std::string_view text) {
  if (text.substr(0, 5) != "<?xml") return "";
  const size_t end = text.find("?>");
  const std::string declaration(text.substr(0, end));
  const size_t at = declaration.find("encoding");
  if (at == std::string::npos) return "";
  const size_t quote = declaration.find_first_of("\"'", at);
  if (quote == std::string::npos) return "";
  const size_t close = declaration.find(declaration[quote], quote + 1);
  if (close == std::string::npos) return "";
  return declaration.substr(quote + 1, close - quote - 1);
}

// Converts with iconv; false, with the line of the first byte that is no character, when it fails.
bool Converted(std::string_view bytes, size_t from, const std::string& encoding, std::string* out, size_t* line,
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
size_t Utf8Character(std::string_view text, size_t at, char32_t* code) {
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
bool BadReference(std::string_view text, size_t at, char32_t* code) {
  if (text.substr(at, 2) != "&#") return false;
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

size_t LineBreaks::LineOf(size_t offset) const {
  return 1 + static_cast<size_t>(std::lower_bound(at.begin(), at.end(), offset) - at.begin());
}

namespace {

constexpr size_t kStretch = 128;
// Where the XML declaration names the file's encoding.
constexpr size_t kDeclarationBytes = 200;

// Whether a stretch of bytes (and the byte after it) may hold more than printable ASCII: a byte
// below a blank or beyond ASCII (one compare, the bytes taken as signed), or the "&#" of a
// character reference. A loop the compiler turns into a few vector compares.
bool MayNeedLook(const unsigned char* p) {
  uint8_t low = 0, reference = 0;
  for (size_t j = 0; j < kStretch; ++j) {
    low |= static_cast<uint8_t>(static_cast<int8_t>(p[j]) < 0x20);
    reference |= static_cast<uint8_t>((p[j] == '&') & (p[j + 1] == '#'));
  }
  return (low | reference) != 0;
}

struct StretchLook {
  bool closer;  // a byte beyond ASCII, a control character other than a blank, or "&#"
  bool lineBreak;
};

StretchLook LookAt(const unsigned char* p) {
  uint8_t closer = 0, lineBreak = 0;
  for (size_t j = 0; j < kStretch; ++j) {
    const uint8_t c = p[j];
    const uint8_t control = (c < 0x20) & (c != '\t') & (c != '\n') & (c != '\r');
    closer |= static_cast<uint8_t>((c >= 0x80) | control | ((c == '&') & (p[j + 1] == '#')));
    lineBreak |= static_cast<uint8_t>(c == '\n');
  }
  return {closer != 0, lineBreak != 0};
}

// What a character's closer look may read beyond its start: a reference such as "&#x10FFFF;".
constexpr size_t kLookahead = 20;

// The text as XML must have it, from `*at` on: to its end when it is `whole`, else as far as
// no character or reference can run beyond it, leaving `*at` where the next look starts. False,
// with the line and what is wrong, at its first fault, where `*at` is left.
bool CheckedText(std::string_view text, size_t* at, bool whole, size_t* line, std::string* why,
                 LineBreaks* breaks) {
  // Most of a file is plain ASCII that XML allows, and needs no closer look.
  static const auto plain = [] {
    std::array<bool, 256> p{};
    for (int c = 0x20; c < 0x80; ++c) p[static_cast<size_t>(c)] = c != '&';
    p['\t'] = p['\n'] = p['\r'] = true;
    return p;
  }();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t size = text.size();
  size_t i = *at;
  while (i < size && (whole || i + kStretch + kLookahead < size)) {
    if (i + kStretch < size) {
      if (!MayNeedLook(bytes + i)) {
        i += kStretch;
        continue;
      }
      const StretchLook look = LookAt(bytes + i);
      if (!look.closer) {
        if (look.lineBreak && breaks)
          for (size_t j = i; j < i + kStretch; ++j)
            if (bytes[j] == '\n') breaks->at.push_back(j);
        i += kStretch;
        continue;
      }
    }
    // A character begun in the stretch may end beyond it.
    for (const size_t end = std::min(size, i + kStretch); i < end;) {
      if (plain[bytes[i]]) {
        if (bytes[i] == '\n' && breaks) breaks->at.push_back(i);
        ++i;
        continue;
      }
      char32_t c = 0;
      const size_t length = Utf8Character(text, i, &c);
      if (length == 0) {
        *at = i;
        *line = LineAt(text, i);
        *why = "bytes that are not UTF-8 text";
        return false;
      }
      if (!AllowedInXml(c) || (bytes[i] == '&' && BadReference(text, i, &c))) {
        *at = i;
        *line = LineAt(text, i);
        *why = "a character XML does not allow (" + CodeText(c) + ")";
        return false;
      }
      i += length;
    }
  }
  *at = i;
  return true;
}

// The encoding of a file's bytes as iconv names it, and where its text starts; no name for
// UTF-8. A file that starts with a UTF-8 byte-order mark declares nothing before it and is UTF-8.
SourceEncoding EncodingOf(std::string_view start) {
  const auto at = [&](size_t i) { return i < start.size() ? static_cast<unsigned char>(start[i]) : 0x100u; };
  if (at(0) == 0xFF && at(1) == 0xFE) return {"UTF-16LE", 2};
  if (at(0) == 0xFE && at(1) == 0xFF) return {"UTF-16BE", 2};
  if (at(0) == '<' && at(1) == 0) return {"UTF-16LE", 0};  // UTF-16 without a mark: "<" and its zero byte
  if (at(0) == 0 && at(1) == '<') return {"UTF-16BE", 0};
  std::string declared = DeclaredEncoding(start.substr(0, kDeclarationBytes));
  if (declared.empty() || Lower(declared) == "utf-8" || Lower(declared) == "utf8") return {};
  return {std::move(declared), 0};
}

}  // namespace

DocumentTextCheck::DocumentTextCheck(LineBreaks* breaks) : breaks_(breaks) {
  if (breaks_) breaks_->at.clear();
}

void DocumentTextCheck::Read(std::string_view bytes) {
  if (!known_ && bytes.size() >= kDeclarationBytes) {
    encoding_ = EncodingOf(bytes);
    known_ = true;
  }
  // A fault stops the look where it stands, to be found there again and told when all is read.
  size_t line;
  std::string why;
  if (known_ && encoding_.name.empty()) CheckedText(bytes, &checked_, false, &line, &why, breaks_);
}

bool DocumentTextCheck::Finish(ParserBytes* text, size_t* line, std::string* why) {
  if (!known_) encoding_ = EncodingOf(text->view());
  if (!encoding_.name.empty()) {
    std::string converted;
    if (!Converted(text->view(), encoding_.from, encoding_.name, &converted, line, why)) return false;
    if (!text->Assign(converted)) {
      *line = 1;
      *why = "not enough memory to read it";
      return false;
    }
  }
  return CheckedText(text->view(), &checked_, true, line, why, breaks_);
}
