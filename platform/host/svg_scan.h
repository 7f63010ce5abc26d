// Numbers in SVG's lists (path data, points, transforms, viewBox): separated by
// blanks or commas, or by nothing where a sign or a second point starts the
// next number ("1.5.5" is 1.5 and .5, "-1-2" is -1 and -2).
#pragma once

#include <cstddef>
#include <string_view>

class SvgScanner {
 public:
  explicit SvgScanner(std::string_view text) : text_(text) {}

  // Steps over blanks and commas.
  void SkipSeparators();
  void SkipBlanks();
  bool AtEnd() const { return at_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
  void Advance() { ++at_; }
  size_t Offset() const { return at_; }
  // A number right here; false (nothing taken) when none starts here or it is not finite.
  bool Number(double* out);
  // A number after any separators.
  bool NextNumber(double* out);
  // An arc flag: one character, 0 or 1, after any separators.
  bool NextFlag(bool* out);

 private:
  std::string_view text_;
  size_t at_ = 0;
};
