#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "expr/script_internal.h"
#include "geometry/numeric.h"

namespace {

constexpr int32_t kAllCharacters = 4095;

bool FitsInt32(double x) { return x >= -2147483648.0 && x <= 2147483647.0; }

// An integer argument: the value plus 0.5 with the fraction dropped, held to
// 32 bits (NaN gives 0).
int32_t IntegerArgument(double x) {
  double shifted = x + 0.5;
  if (std::isnan(shifted)) return 0;
  if (shifted >= 2147483647.0) return INT32_MAX;
  if (shifted <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(shifted);
}

// Beyond 32 bits (and for NaN) the value is rounded as a real, not cut to an integer.
double RoundHalfAway(double x) { return FitsInt32(x) ? RoundToInt(x) : std::round(x); }
double TruncTowardZero(double x) { return FitsInt32(x) ? TruncToInt(x) : std::trunc(x); }

// One character of a text function: a Shift-JIS pair, a "\g" escape (through
// its ';' after at most five digits, else six bytes), or one byte.
size_t TextCharLength(const char* p) {
  if (p[0] == '\\' && p[1] == 'g') {
    size_t i = 2;
    while (i < 7 && p[i] >= '0' && p[i] <= '9') ++i;
    if (p[i] == ';') return i + 1;
    size_t n = 2;
    while (n < 6 && p[n] != '\0') ++n;
    return n;
  }
  return static_cast<size_t>(ScriptCharLength(p));
}

// A line break: a carriage return, or backslash and 'r'. Returns its bytes, 0 for none.
size_t LineBreakLength(const char* p) {
  if (p[0] == '\r') return 1;
  if (p[0] == '\\' && p[1] == 'r') return 2;
  return 0;
}

int32_t CountCharacters(const char* text) {
  int32_t count = 0;
  for (const char* p = text; *p != '\0'; p += TextCharLength(p)) ++count;
  return count;
}

std::string Substring(const char* text, int32_t start, int32_t count) {
  if (start < 0) start = 0;
  if (count < 0 || count > kAllCharacters) count = kAllCharacters;
  int64_t end = static_cast<int64_t>(start) + count;
  std::string out;
  int64_t index = 0;
  for (const char* p = text; *p != '\0' && index < end; ++index) {
    size_t length = TextCharLength(p);
    if (index >= start) out.append(p, length);
    p += length;
  }
  return out;
}

int32_t FindPart(const char* text, const char* part) {
  size_t partLength = std::strlen(part);
  for (const char* p = text;; p += ScriptCharLength(p)) {
    if (std::strncmp(p, part, partLength) == 0) return static_cast<int32_t>(p - text);
    if (*p == '\0') return -1;
  }
}

int32_t CompareBytes(const char* a, const char* b) {
  int result = std::strcmp(a, b);
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

int32_t CountLines(const char* text) {
  if (*text == '\0') return 0;
  int32_t lines = 1;
  const char* p = text;
  while (*p != '\0') {
    size_t breakLength = LineBreakLength(p);
    if (breakLength != 0) {
      ++lines;
      p += breakLength;
    } else {
      p += ScriptCharLength(p);
    }
  }
  return lines;
}

std::string GetLines(const char* text, int32_t first, int32_t count) {
  if (first < 1) first = 1;
  if (count < 1) count = 1;
  int64_t last = static_cast<int64_t>(first) + count - 1;
  std::string out;
  int64_t line = 1;
  const char* p = text;
  while (*p != '\0' && line <= last) {
    size_t breakLength = LineBreakLength(p);
    if (breakLength != 0) {
      if (line >= first) out += '\r';
      ++line;
      p += breakLength;
    } else {
      size_t length = static_cast<size_t>(ScriptCharLength(p));
      if (line >= first) out.append(p, length);
      p += length;
    }
  }
  if (!out.empty() && out.back() == '\r') out.pop_back();
  return out;
}

// A bit outside 0 to 31 counts as bit 0.
uint32_t BitMask(int32_t bit) { return 1u << (bit >= 0 && bit <= 31 ? bit : 0); }

std::string BitResult(uint32_t bits) { return FormatScriptInteger(static_cast<int32_t>(bits)); }

enum class Fn {
  Sin,
  Cos,
  Tan,
  Round,
  Trunc,
  Sqr,
  Sqrt,
  Max,
  Min,
  StrPos,
  SubStr,
  StrCmp,
  Length,
  StrLen,
  BitTest,
  BitSet,
  BitClear,
  CountLines,
  GetLines,
  Asin,
  Acos,
  Atan,
  Sinh,
  Cosh,
  Tanh,
  Pow,
  Abs,
  MovingDistance,
};

struct Function {
  const char* name;
  Fn fn;
  int arity;
};

constexpr Function kFunctions[] = {
    {"sin", Fn::Sin, 1},           {"cos", Fn::Cos, 1},
    {"tan", Fn::Tan, 1},           {"round", Fn::Round, 1},
    {"trunc", Fn::Trunc, 1},       {"sqr", Fn::Sqr, 1},
    {"sqrt", Fn::Sqrt, 1},         {"max", Fn::Max, 2},
    {"min", Fn::Min, 2},           {"strpos", Fn::StrPos, 2},
    {"substr", Fn::SubStr, 3},     {"strcmp", Fn::StrCmp, 2},
    {"length", Fn::Length, 1},     {"strlen", Fn::StrLen, 1},
    {"bittest", Fn::BitTest, 2},   {"bitset", Fn::BitSet, 2},
    {"bitclear", Fn::BitClear, 2}, {"countlines", Fn::CountLines, 1},
    {"getlines", Fn::GetLines, 3}, {"asin", Fn::Asin, 1},
    {"acos", Fn::Acos, 1},         {"atan", Fn::Atan, 1},
    {"sinh", Fn::Sinh, 1},         {"cosh", Fn::Cosh, 1},
    {"tanh", Fn::Tanh, 1},         {"pow", Fn::Pow, 2},
    {"abs", Fn::Abs, 1},           {"moving_distance", Fn::MovingDistance, 1},
};

std::string Compute(Fn fn, const std::string* v) {
  auto x = [&](int i) { return ReadScriptNumber(v[i].c_str()); };
  auto n = [&](int i) { return IntegerArgument(x(i)); };
  switch (fn) {
    case Fn::Sin:
      return FormatScriptNumber(std::sin(x(0)));
    case Fn::Cos:
      return FormatScriptNumber(std::cos(x(0)));
    case Fn::Tan:
      return FormatScriptNumber(std::tan(x(0)));
    case Fn::Round:
      return FormatScriptNumber(RoundHalfAway(x(0)));
    case Fn::Trunc:
      return FormatScriptNumber(TruncTowardZero(x(0)));
    case Fn::Sqr:
      return FormatScriptNumber(x(0) * x(0));
    case Fn::Sqrt:
      return FormatScriptNumber(std::sqrt(x(0)));
    case Fn::Max:
      return FormatScriptNumber(MaxOf(x(0), x(1)));
    case Fn::Min:
      return FormatScriptNumber(MinOf(x(0), x(1)));
    case Fn::StrPos:
      return FormatScriptInteger(FindPart(v[0].c_str(), v[1].c_str()));
    case Fn::SubStr:
      return Substring(v[0].c_str(), n(1), n(2));
    case Fn::StrCmp:
      return FormatScriptInteger(CompareBytes(v[0].c_str(), v[1].c_str()));
    case Fn::Length:
    case Fn::StrLen:
      return FormatScriptInteger(CountCharacters(v[0].c_str()));
    case Fn::BitTest:
      return BitResult(static_cast<uint32_t>(n(0)) & BitMask(n(1)));
    case Fn::BitSet:
      return BitResult(static_cast<uint32_t>(n(0)) | BitMask(n(1)));
    case Fn::BitClear:
      return BitResult(static_cast<uint32_t>(n(0)) & ~BitMask(n(1)));
    case Fn::CountLines:
      return FormatScriptInteger(CountLines(v[0].c_str()));
    case Fn::GetLines:
      return GetLines(v[0].c_str(), n(1), n(2));
    case Fn::Asin:
      return FormatScriptNumber(std::asin(x(0)));
    case Fn::Acos:
      return FormatScriptNumber(std::acos(x(0)));
    case Fn::Atan:
      return FormatScriptNumber(std::atan(x(0)));
    case Fn::Sinh:
      return FormatScriptNumber(std::sinh(x(0)));
    case Fn::Cosh:
      return FormatScriptNumber(std::cosh(x(0)));
    case Fn::Tanh:
      return FormatScriptNumber(std::tanh(x(0)));
    case Fn::Pow:
      return FormatScriptNumber(std::pow(x(0), x(1)));
    case Fn::Abs:
      return FormatScriptNumber(std::fabs(x(0)));
    case Fn::MovingDistance: {
      double distance = 0.0;
      return MovingDistanceOfHandle(x(0), &distance) ? FormatScriptNumber(distance) : std::string();
    }
  }
  return std::string();
}

}  // namespace

bool CallScriptFunction(const std::string& name, const std::string* arguments, int32_t depth,
                        std::string* result) {
  for (const Function& function : kFunctions) {
    if (name != function.name) continue;
    std::string values[3];
    for (int i = 0; i < function.arity; ++i) EvaluateScriptText(arguments[i].c_str(), &values[i], depth + 1);
    *result = Compute(function.fn, values);
    CapScriptValue(result);
    return true;
  }
  return false;
}
