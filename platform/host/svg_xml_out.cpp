#include "svg_xml_out.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <algorithm>

#include "svg_numbers.h"

namespace {

constexpr size_t kPiece = size_t{1} << 20;  // handed to the sink once the buffer holds this much
constexpr size_t kEscapedBytes = 6;         // the longest escape of one byte, "&quot;"
const char kUpperHex[] = "0123456789ABCDEF";

// What becomes of a byte.
enum Kind : uint8_t { kCopy, kDrop, kAmp, kLess, kGreater, kQuote, kCode, kReference };

struct KindTable {
  Kind of[256];
};

// Attribute values: every control character is dropped (a viewer would not read the file); a
// tab or a line break is written as a reference, which XML reads back as itself, not as a space.
const KindTable& AttributeKinds() {
  static const KindTable table = [] {
    KindTable t{};
    for (int c = 0; c < 32; ++c) t.of[c] = c == '\t' || c == '\n' || c == '\r' ? kReference : kDrop;
    t.of[static_cast<unsigned char>('&')] = kAmp;
    t.of[static_cast<unsigned char>('<')] = kLess;
    t.of[static_cast<unsigned char>('"')] = kQuote;
    return t;
  }();
  return table;
}

// Character data keeps tabs and line breaks.
const KindTable& TextKinds() {
  static const KindTable table = [] {
    KindTable t{};
    for (int c = 0; c < 32; ++c) t.of[c] = c == '\t' || c == '\n' || c == '\r' ? kCopy : kDrop;
    t.of[static_cast<unsigned char>('&')] = kAmp;
    t.of[static_cast<unsigned char>('<')] = kLess;
    t.of[static_cast<unsigned char>('>')] = kGreater;
    return t;
  }();
  return table;
}

// Writes `text` as the table says; a NUL byte (never copied) ends it.
char* PutKinds(char* at, std::string_view text, const KindTable& table, char escape) {
  const char* from = text.data();
  const char* const end = from + text.size();
  while (from < end) {
    const char* run = from;
    while (from < end && table.of[static_cast<unsigned char>(*from)] == kCopy) ++from;
    std::memcpy(at, run, static_cast<size_t>(from - run));
    at += from - run;
    if (from == end) break;
    const auto byte = static_cast<unsigned char>(*from++);
    switch (table.of[byte]) {
      case kCopy:
        break;
      case kDrop:
        if (byte == 0) return at;
        break;
      case kAmp:
        std::memcpy(at, "&amp;", 5);
        at += 5;
        break;
      case kLess:
        std::memcpy(at, "&lt;", 4);
        at += 4;
        break;
      case kGreater:
        std::memcpy(at, "&gt;", 4);
        at += 4;
        break;
      case kQuote:
        std::memcpy(at, "&quot;", 6);
        at += 6;
        break;
      case kCode:
        *at++ = escape;
        *at++ = kUpperHex[byte >> 4];
        *at++ = kUpperHex[byte & 15];
        break;
      case kReference:
        std::memcpy(at, "&#x", 3);
        at[3] = kUpperHex[byte & 15];
        at[4] = ';';
        at += 5;
        break;
    }
  }
  return at;
}

}  // namespace

// A byte kept by `keep` is escaped as in any attribute; every other byte, and the escape, is coded.
struct XmlOut::CodeTable {
  bool (*keep)(unsigned char);
  char escape;
  KindTable kinds;
};

XmlOut::XmlOut(Sink sink) : sink_(std::move(sink)) { buffer_.resize(sink_ ? kPiece + (kPiece >> 4) : 1 << 16); }

XmlOut::~XmlOut() = default;

const XmlOut::CodeTable& XmlOut::Codes(bool (*keep)(unsigned char), char escape) {
  for (const auto& code : codes_)
    if (code->keep == keep && code->escape == escape) return *code;
  auto code = std::make_unique<CodeTable>(CodeTable{keep, escape, {}});
  const KindTable& attribute = AttributeKinds();
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    code->kinds.of[b] = keep(byte) && byte != static_cast<unsigned char>(escape) ? attribute.of[b] : kCode;
  }
  codes_.push_back(std::move(code));
  return *codes_.back();
}

char* XmlOut::MakeRoom(size_t bytes) {
  if (sink_) Flush();
  if (used_ + bytes > buffer_.size()) buffer_.resize(std::max(2 * buffer_.size(), used_ + bytes));
  return buffer_.data() + used_;
}

void XmlOut::Flush() {
  if (!sink_ || used_ == 0) return;
  sink_(std::string_view(buffer_.data(), used_));
  used_ = 0;
}

std::string XmlOut::Take() {
  buffer_.resize(used_);
  used_ = 0;
  return std::move(buffer_);
}

void XmlOut::Declaration() { Plain("<?xml version=\"1.0\"?>\n"); }

void XmlOut::Indent() {
  const size_t spaces = 2 * static_cast<size_t>(depth_);
  char* at = Room(spaces);
  std::memset(at, ' ', spaces);
  Commit(at + spaces);
}

void XmlOut::Start(std::string_view name) {
  if (sink_ && used_ >= kPiece) Flush();
  Indent();
  Char('<');
  Plain(name);
}

void XmlOut::Attribute(std::string_view name, std::string_view value) {
  AttributeStart(name);
  Escaped(value);
  AttributeEnd();
}

void XmlOut::AttributeStart(std::string_view name) {
  char* at = Room(name.size() + 3);
  *at++ = ' ';
  std::memcpy(at, name.data(), name.size());
  at += name.size();
  *at++ = '=';
  *at++ = '"';
  Commit(at);
}

void XmlOut::Number(double v) { Commit(PutNum(Room(kNumBytes), v)); }

void XmlOut::Integer(long v) {
  char* at = Room(24);
  Commit(std::to_chars(at, at + 24, v).ptr);
}

void XmlOut::Hex(unsigned v, int digits) {
  char text[16];
  char* end = std::to_chars(text, text + sizeof text, v, 16).ptr;
  for (int n = static_cast<int>(end - text); n < digits; ++n) Char('0');
  Plain(std::string_view(text, static_cast<size_t>(end - text)));
}


void XmlOut::Escaped(std::string_view text) {
  Commit(PutKinds(Room(kEscapedBytes * text.size()), text, AttributeKinds(), 0));
}

void XmlOut::Encoded(std::string_view bytes, char escape, bool (*keep)(unsigned char)) {
  Commit(PutKinds(Room(kEscapedBytes * bytes.size()), bytes, Codes(keep, escape).kinds, escape));
}

void XmlOut::EndEmpty() { Plain(" />\n"); }

void XmlOut::Open() {
  Plain(">\n");
  ++depth_;
}

void XmlOut::End(std::string_view name) {
  --depth_;
  Indent();
  Plain("</");
  Plain(name);
  Plain(">\n");
}

void XmlOut::EndWithText(std::string_view name, std::string_view text) {
  Char('>');
  Commit(PutKinds(Room(kEscapedBytes * text.size()), text, TextKinds(), 0));
  Plain("</");
  Plain(name);
  Plain(">\n");
}
