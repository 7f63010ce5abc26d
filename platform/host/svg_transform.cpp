#include "svg_transform.h"

#include <cctype>
#include <cmath>
#include <string>
#include <utility>

#include "host_model.h"
#include "svg_scan.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

RealMatrix Translation(double x, double y) { return RealMatrix{1, 0, 0, 1, x, y}; }

double Radians(double degrees) { return std::fmod(degrees, 360.0) * kPi / 180; }

RealMatrix Rotation(double degrees) {
  const double a = Radians(degrees);
  return RealMatrix{std::cos(a), std::sin(a), -std::sin(a), std::cos(a), 0, 0};
}

// The transform a named function makes of its arguments.
bool FunctionMatrix(std::string_view name, const double* v, int n, RealMatrix* m) {
  if (name == "matrix" && n == 6) {
    *m = RealMatrix{v[0], v[1], v[2], v[3], v[4], v[5]};
  } else if (name == "translate" && (n == 1 || n == 2)) {
    *m = Translation(v[0], n == 2 ? v[1] : 0);
  } else if (name == "scale" && (n == 1 || n == 2)) {
    *m = RealMatrix{v[0], 0, 0, n == 2 ? v[1] : v[0], 0, 0};
  } else if (name == "rotate" && n == 1) {
    *m = Rotation(v[0]);
  } else if (name == "rotate" && n == 3) {
    *m = MultiplyMatrix(MultiplyMatrix(Translation(-v[1], -v[2]), Rotation(v[0])), Translation(v[1], v[2]));
  } else if (name == "skewX" && n == 1) {
    *m = RealMatrix{1, 0, std::tan(Radians(v[0])), 1, 0, 0};
  } else if (name == "skewY" && n == 1) {
    *m = RealMatrix{1, std::tan(Radians(v[0])), 0, 1, 0, 0};
  } else {
    return false;
  }
  return true;
}

}  // namespace

bool ReadTransform(std::string_view text, RealMatrix* out) {
  SvgScanner scan(text);
  RealMatrix all{1, 0, 0, 1, 0, 0};
  while (true) {
    scan.SkipSeparators();
    if (scan.AtEnd()) break;
    std::string name;
    while (std::isalpha(static_cast<unsigned char>(scan.Peek()))) {
      name += scan.Peek();
      scan.Advance();
    }
    scan.SkipBlanks();
    if (name.empty() || scan.Peek() != '(') return false;
    scan.Advance();
    double v[6];
    int n = 0;
    while (true) {
      scan.SkipSeparators();
      if (scan.Peek() == ')') break;
      if (n == 6 || !scan.Number(&v[n])) return false;
      ++n;
    }
    scan.Advance();
    RealMatrix m;
    if (!FunctionMatrix(name, v, n, &m)) return false;
    // "A B" draws through B first, then A.
    all = MultiplyMatrix(m, all);
  }
  *out = all;
  return true;
}

bool ReadLength(std::string_view text, double whole, double* out, double perInch, double pixelsPerInch) {
  SvgScanner scan(text);
  scan.SkipBlanks();
  double v;
  if (!scan.Number(&v)) return false;
  const size_t from = scan.Offset();
  while (!scan.AtEnd() && scan.Peek() != ' ' && scan.Peek() != '\t' && scan.Peek() != '\n' && scan.Peek() != '\r')
    scan.Advance();
  const std::string_view unit = text.substr(from, scan.Offset() - from);
  scan.SkipBlanks();
  if (!scan.AtEnd()) return false;
  if (unit == "%") {
    *out = v * whole / 100;
    return std::isfinite(*out);
  }
  const std::pair<std::string_view, double> units[] = {
      {"", pixelsPerInch}, {"px", pixelsPerInch}, {"pt", 72}, {"pc", 6}, {"mm", 25.4}, {"cm", 2.54}, {"in", 1}};
  for (auto [name, unitsPerInch] : units) {
    if (unit != name) continue;
    *out = unitsPerInch == perInch ? v : v * perInch / unitsPerInch;
    return std::isfinite(*out);
  }
  return false;
}
