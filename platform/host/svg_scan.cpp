#include "svg_scan.h"

#include "svg_numbers.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

}  // namespace

void SvgScanner::SkipSeparators() {
  while (!AtEnd() && (IsBlank(text_[at_]) || text_[at_] == ',')) ++at_;
}

void SvgScanner::SkipBlanks() {
  while (!AtEnd() && IsBlank(text_[at_])) ++at_;
}

bool SvgScanner::Number(double* out) {
  size_t i = at_;
  auto digits = [&]() {
    size_t from = i;
    while (i < text_.size() && IsDigit(text_[i])) ++i;
    return i - from;
  };
  if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) ++i;
  size_t count = digits();
  if (i < text_.size() && text_[i] == '.') {
    ++i;
    count += digits();
  }
  if (count == 0) return false;
  // An exponent only when digits follow: "2em" is 2 and a unit.
  if (i < text_.size() && (text_[i] == 'e' || text_[i] == 'E')) {
    size_t j = i + 1;
    if (j < text_.size() && (text_[j] == '+' || text_[j] == '-')) ++j;
    if (j < text_.size() && IsDigit(text_[j])) {
      i = j;
      digits();
    }
  }
  if (!ParseNum(text_.substr(at_, i - at_), *out)) return false;
  at_ = i;
  return true;
}

bool SvgScanner::NextNumber(double* out) {
  SkipSeparators();
  return Number(out);
}

bool SvgScanner::NextFlag(bool* out) {
  SkipSeparators();
  if (AtEnd() || (text_[at_] != '0' && text_[at_] != '1')) return false;
  *out = text_[at_++] == '1';
  return true;
}
