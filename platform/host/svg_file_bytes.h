// A document file's bytes in memory of the XML parser's own allocation: the
// parser takes them over and reads them where they lie, with no copy.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

class ParserBytes {
 public:
  ParserBytes() = default;
  ParserBytes(const ParserBytes&) = delete;
  ParserBytes& operator=(const ParserBytes&) = delete;
  ParserBytes(ParserBytes&& other) noexcept;
  ~ParserBytes();

  // A copy of `text`; false when the memory cannot be had.
  bool Assign(std::string_view text);
  // The whole of an open file, read to its end (a pipe or a growing file too); `piece` is shown
  // the bytes so far after each piece, and reading stops early when it answers false. False,
  // with `why`, when it cannot be read or the memory cannot be had.
  bool ReadFile(std::FILE* f, std::string* why, const std::function<bool(std::string_view)>& piece = nullptr);

  char* data() { return data_; }
  const char* data() const { return data_; }
  size_t size() const { return size_; }
  std::string_view view() const { return {data_, size_}; }
  // The memory goes to the parser, which lets it go with its document.
  char* Release();

 private:
  bool Reserve(size_t capacity);
  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};
