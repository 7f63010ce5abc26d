// XML as the host writes its document files: one element a line, indented two
// spaces a level, attributes in double quotes, numbers as the shortest text
// that reads back the same. The text goes out in pieces of about a megabyte,
// so a file of any size is written without being held whole.
#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class XmlOut {
 public:
  using Sink = std::function<void(std::string_view)>;
  // With no sink, the whole text stays in memory for Take().
  explicit XmlOut(Sink sink = nullptr);
  ~XmlOut();

  void Declaration();
  // `<name` on a line of its own; its attributes follow.
  void Start(std::string_view name);
  // A whole attribute; the value is escaped, and ends at a NUL byte.
  void Attribute(std::string_view name, std::string_view value);
  // An attribute of several pieces: its name, then the pieces, then End.
  void AttributeStart(std::string_view name);
  void AttributeEnd() { Char('"'); }
  // Pieces of a value.
  void Number(double v);  // shortest round trip, never "-0"
  void Integer(long v);
  void Hex(unsigned v, int digits);  // lower case, at least `digits`
  void Char(char c) {
    char* at = Room(1);
    *at = c;
    Commit(at + 1);
  }
  // Nothing in it to escape.
  void Plain(std::string_view text) {
    char* at = Room(text.size());
    std::memcpy(at, text.data(), text.size());
    Commit(at + text.size());
  }
  void Escaped(std::string_view text);
  // Bytes the keep test passes, escaped for XML; every other byte and `escape` itself as
  // escape and two hex digits.
  void Encoded(std::string_view bytes, char escape, bool (*keep)(unsigned char));
  // The element has no children: ` />`.
  void EndEmpty();
  // Its children follow, one level in; End closes it.
  void Open();
  void End(std::string_view name);
  // The element holds only text, escaped as character data.
  void EndWithText(std::string_view name, std::string_view text);

  // Hands what is left to the sink.
  void Flush();
  std::string Take();

 private:
  struct CodeTable;
  char* Room(size_t bytes) { return used_ + bytes <= buffer_.size() ? buffer_.data() + used_ : MakeRoom(bytes); }
  char* MakeRoom(size_t bytes);
  void Commit(char* end) { used_ = static_cast<size_t>(end - buffer_.data()); }
  void Indent();
  const CodeTable& Codes(bool (*keep)(unsigned char), char escape);

  Sink sink_;
  std::string buffer_;  // written up to used_
  size_t used_ = 0;
  int depth_ = 0;
  std::vector<std::unique_ptr<CodeTable>> codes_;
};
