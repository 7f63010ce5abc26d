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

// The XML declaration ends at its '>', or at the first byte that cannot stand in one; searched
// from `from`, npos while the bytes run on without either.
size_t DeclarationEnd(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '>' || c >= 0x7F || (c < 0x20 && c != '\t' && c != '\n' && c != '\r')) return i;
  }
  return std::string_view::npos;
}

// The encoding an XML declaration names ("" when none does).
std::string DeclaredEncoding(std::string_view text) {
  if (text.substr(0, 5) != "<?xml") return "";
  const std::string declaration(text);
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

enum class Reference { kNone, kAllowed, kBad, kUnfinished };

// The character reference ("&#1;", "&#x1F;", of any number of digits) at `at`, whose value,
// when it is one, goes to `code`. Its digits may run beyond a piece: then their value so far
// is kept in `look` for the next look to go on from.
Reference ReferenceAt(std::string_view text, size_t at, bool whole, TextLook* look, char32_t* code) {
  if (text.substr(at, 2) != "&#") return Reference::kNone;
  const bool hex = at + 2 < text.size() && text[at + 2] == 'x';
  const size_t first = at + 2 + (hex ? 1 : 0);
  size_t i = first;
  uint32_t v = 0;
  if (look->at == at && look->digitsTo > first) {
    i = look->digitsTo;
    v = look->value;
  }
  for (; i < text.size(); ++i) {
    const auto ch = static_cast<unsigned char>(text[i]);
    uint32_t digit = 0;
    if (ch >= '0' && ch <= '9')
      digit = ch - '0';
    else if (hex && (ch | 0x20) >= 'a' && (ch | 0x20) <= 'f')
      digit = static_cast<uint32_t>((ch | 0x20) - 'a') + 10;
    else
      break;
    // Past U+10FFFF every value is as bad as any other.
    v = std::min<uint32_t>(v * (hex ? 16 : 10) + digit, 0x110000);
  }
  if (i >= text.size() && !whole) {
    look->digitsTo = i;
    look->value = v;
    return Reference::kUnfinished;
  }
  look->digitsTo = 0;
  if (i == first || i >= text.size() || text[i] != ';') return Reference::kNone;
  *code = v;
  return AllowedInXml(v) ? Reference::kAllowed : Reference::kBad;
}

// Where a reference is read as a character: not in a comment, a CDATA section or an
// instruction, where it is text. The markup is walked on from where it stands to `to`, once
// over a file, and only when a reference XML cannot take is met: a file without one pays nothing.
enum Markup : uint8_t { kContent, kTag, kDeclaration, kComment, kCdata, kInstruction };

bool ReferenceIsRead(std::string_view text, size_t to, TextLook* look) {
  const auto starts = [&](size_t i, std::string_view with) { return text.substr(i, with.size()) == with; };
  size_t& i = look->walked;
  while (i < to) {
    const char c = text[i];
    switch (look->markup) {
      case kContent: {
        const size_t open = text.substr(0, to).find('<', i);
        if (open == std::string_view::npos) {
          i = to;
          break;
        }
        look->markup = starts(open, "<!--")        ? kComment
                       : starts(open, "<![CDATA[") ? kCdata
                       : starts(open, "<?")        ? kInstruction
                       : starts(open, "<!")        ? kDeclaration
                                                   : kTag;
        i = open + (look->markup == kCdata ? 9 : look->markup == kComment ? 4 : look->markup == kTag ? 1 : 2);
        break;
      }
      case kComment:
      case kCdata:
      case kInstruction: {
        // No closer holds the '&' at `to`, so one begun before it ends before it.
        const std::string_view closer = look->markup == kComment ? "-->" : look->markup == kCdata ? "]]>" : "?>";
        const size_t close = text.substr(0, to).find(closer, i);
        if (close == std::string_view::npos) {
          i = to;
          break;
        }
        look->markup = kContent;
        i = close + closer.size();
        break;
      }
      default:  // a tag or a declaration, to its '>' outside quotes; a document type's own come after its '['
        ++i;
        if (look->quote != 0) {
          if (c == look->quote) look->quote = 0;
        } else if (c == '"' || c == '\'') {
          look->quote = c;
        } else if (c == '>' || (c == '[' && look->markup == kDeclaration)) {
          look->markup = kContent;
        }
    }
  }
  return look->markup < kComment;
}

}  // namespace

size_t LineBreaks::LineOf(size_t offset) const {
  return 1 + static_cast<size_t>(std::lower_bound(at.begin(), at.end(), offset) - at.begin());
}

namespace {

constexpr size_t kStretch = 128;

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

// What a character's closer look may read beyond its start: a UTF-8 character, or a reference
// such as "&#x10FFFF;" (a longer one waits for the next piece).
constexpr size_t kLookahead = 20;

// The text as XML must have it, from `state->at` on: to its end when it is `whole`, else as far
// as no character or reference can run beyond it, leaving `state->at` where the next look
// starts. False, with the line and what is wrong, at its first fault, where `state->at` is left.
bool CheckedText(std::string_view text, TextLook* state, bool whole, size_t* line, std::string* why,
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
  size_t i = state->at;
  const auto fault = [&](std::string what) {
    state->at = i;
    *line = LineAt(text, i);
    *why = std::move(what);
    return false;
  };
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
      if (length == 0) return fault("bytes that are not UTF-8 text");
      if (!AllowedInXml(c)) return fault("a character XML does not allow (" + CodeText(c) + ")");
      if (bytes[i] == '&') {
        const Reference reference = ReferenceAt(text, i, whole, state, &c);
        if (reference == Reference::kUnfinished) {
          state->at = i;
          return true;
        }
        if (reference == Reference::kBad && ReferenceIsRead(text, i, state))
          return fault("a character XML does not allow (" + CodeText(c) + ")");
      }
      i += length;
    }
  }
  state->at = i;
  return true;
}

// The encoding of a file's bytes as iconv names it, and where its text starts; no name for
// UTF-8. A file that starts with a UTF-8 byte-order mark declares nothing before it and is UTF-8.
// False while the bytes read so far cannot tell it, unless they are `whole`; `searched` keeps
// how far the end of the XML declaration was looked for.
bool EncodingOf(std::string_view start, bool whole, size_t* searched, SourceEncoding* encoding) {
  const auto at = [&](size_t i) { return i < start.size() ? static_cast<unsigned char>(start[i]) : 0x100u; };
  if (start.size() < 5 && !whole) return false;
  *encoding = {};
  // A byte-order mark, or else "<" and its zero bytes.
  if (at(0) == 0 && at(1) == 0 && at(2) == 0xFE && at(3) == 0xFF) *encoding = {"UTF-32BE", 4};
  else if (at(0) == 0xFF && at(1) == 0xFE && at(2) == 0 && at(3) == 0) *encoding = {"UTF-32LE", 4};
  else if (at(0) == 0 && at(1) == 0 && at(2) == 0 && at(3) == '<') *encoding = {"UTF-32BE", 0};
  else if (at(0) == '<' && at(1) == 0 && at(2) == 0 && at(3) == 0) *encoding = {"UTF-32LE", 0};
  else if (at(0) == 0xFF && at(1) == 0xFE) *encoding = {"UTF-16LE", 2};
  else if (at(0) == 0xFE && at(1) == 0xFF) *encoding = {"UTF-16BE", 2};
  else if (at(0) == '<' && at(1) == 0) *encoding = {"UTF-16LE", 0};
  else if (at(0) == 0 && at(1) == '<') *encoding = {"UTF-16BE", 0};
  if (!encoding->name.empty() || start.substr(0, 5) != "<?xml") return true;
  const size_t end = DeclarationEnd(start, std::max<size_t>(*searched, 5));
  if (end == std::string_view::npos && !whole) {
    *searched = start.size();
    return false;
  }
  std::string declared = DeclaredEncoding(start.substr(0, end));
  if (!declared.empty() && Lower(declared) != "utf-8" && Lower(declared) != "utf8")
    encoding->name = std::move(declared);
  return true;
}

}  // namespace

DocumentTextCheck::DocumentTextCheck(LineBreaks* breaks) : breaks_(breaks) {
  if (breaks_) breaks_->at.clear();
}

bool DocumentTextCheck::Read(std::string_view bytes) {
  if (!known_) known_ = EncodingOf(bytes, false, &declarationSearched_, &encoding_);
  // A fault stops the look where it stands, to be found there again and told by Finish.
  size_t line;
  std::string why;
  return !known_ || !encoding_.name.empty() || CheckedText(bytes, &look_, false, &line, &why, breaks_);
}

bool DocumentTextCheck::Finish(ParserBytes* text, size_t* line, std::string* why) {
  if (!known_) EncodingOf(text->view(), true, &declarationSearched_, &encoding_);
  if (!encoding_.name.empty()) {
    std::string converted;
    if (!Converted(text->view(), encoding_.from, encoding_.name, &converted, line, why)) return false;
    if (!text->Assign(converted)) {
      *line = 1;
      *why = "not enough memory to read it";
      return false;
    }
  }
  return CheckedText(text->view(), &look_, true, line, why, breaks_);
}
