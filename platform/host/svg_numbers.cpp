#include "svg_numbers.h"

#include <charconv>
#include <cmath>

char* PutNum(char* at, double v) {
  if (v == 0) v = 0;  // no "-0"
  return std::to_chars(at, at + kNumBytes, v).ptr;
}

std::string Num(double v) {
  char buffer[kNumBytes];
  return std::string(buffer, PutNum(buffer, v));
}

bool ParseNum(std::string_view s, double& out) {
  if (s.empty()) return false;
  if (s.front() == '+') s.remove_prefix(1);
  auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(out);
}

std::vector<std::string_view> Split(std::string_view s, char sep) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    size_t at = s.find(sep, start);
    parts.push_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) break;
    start = at + 1;
  }
  return parts;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  for (std::string_view w : Split(s, ' '))
    if (!w.empty()) words.push_back(w);
  return words;
}

bool ParseNums(std::string_view s, std::vector<double>& out) {
  out.clear();
  for (std::string_view w : Words(s)) {
    double v;
    if (!ParseNum(w, v)) return false;
    out.push_back(v);
  }
  return true;
}
