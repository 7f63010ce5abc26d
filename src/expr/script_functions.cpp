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

double Sine(double x) { return std::sin(x); }
double Cosine(double x) { return std::cos(x); }
double Tangent(double x) { return std::tan(x); }
double Square(double x) { return x * x; }
double SquareRoot(double x) { return std::sqrt(x); }
double ArcSine(double x) { return std::asin(x); }
double ArcCosine(double x) { return std::acos(x); }
double ArcTangent(double x) { return std::atan(x); }
double HyperbolicSine(double x) { return std::sinh(x); }
double HyperbolicCosine(double x) { return std::cosh(x); }
double HyperbolicTangent(double x) { return std::tanh(x); }
double Power(double x, double y) { return std::pow(x, y); }

// Functions of one or two numbers that give a number.
enum class Fn {
  Real,
  Real2,
  StrPos,
  SubStr,
  StrCmp,
  Length,
  BitTest,
  BitSet,
  BitClear,
  CountLines,
  GetLines,
  Moving
};

struct Function {
  const char* name;
  Fn fn;
  int arity;
  double (*real)(double) = nullptr;
  double (*real2)(double, double) = nullptr;
};

// Names are matched whole.
const Function kFunctions[] = {
    {"sin", Fn::Real, 1, Sine},
    {"cos", Fn::Real, 1, Cosine},
    {"tan", Fn::Real, 1, Tangent},
    {"round", Fn::Real, 1, RoundHalfAway},
    {"trunc", Fn::Real, 1, TruncTowardZero},
    {"sqr", Fn::Real, 1, Square},
    {"sqrt", Fn::Real, 1, SquareRoot},
    {"max", Fn::Real2, 2, nullptr, MaxOf},
    {"min", Fn::Real2, 2, nullptr, MinOf},
    {"strpos", Fn::StrPos, 2},
    {"substr", Fn::SubStr, 3},
    {"strcmp", Fn::StrCmp, 2},
    {"length", Fn::Length, 1},
    {"strlen", Fn::Length, 1},
    {"bittest", Fn::BitTest, 2},
    {"bitset", Fn::BitSet, 2},
    {"bitclear", Fn::BitClear, 2},
    {"countlines", Fn::CountLines, 1},
    {"getlines", Fn::GetLines, 3},
    {"asin", Fn::Real, 1, ArcSine},
    {"acos", Fn::Real, 1, ArcCosine},
    {"atan", Fn::Real, 1, ArcTangent},
    {"sinh", Fn::Real, 1, HyperbolicSine},
    {"cosh", Fn::Real, 1, HyperbolicCosine},
    {"tanh", Fn::Real, 1, HyperbolicTangent},
    {"pow", Fn::Real2, 2, nullptr, Power},
    {"abs", Fn::Real, 1, AbsOf},
    {"moving_distance", Fn::Moving, 1},
};

std::string Compute(const Function& function, const std::string* v) {
  auto x = [&](int i) { return ReadScriptNumber(v[i].c_str()); };
  auto n = [&](int i) { return IntegerArgument(x(i)); };
  switch (function.fn) {
    case Fn::Real:
      return FormatScriptNumber(function.real(x(0)));
    case Fn::Real2:
      return FormatScriptNumber(function.real2(x(0), x(1)));
    case Fn::StrPos:
      return FormatScriptInteger(FindPart(v[0].c_str(), v[1].c_str()));
    case Fn::SubStr:
      return Substring(v[0].c_str(), n(1), n(2));
    case Fn::StrCmp:
      return FormatScriptInteger(CompareBytes(v[0].c_str(), v[1].c_str()));
    case Fn::Length:
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
    case Fn::Moving: {
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
    *result = Compute(function, values);
    CapScriptValue(result);
    return true;
  }
  return false;
}
