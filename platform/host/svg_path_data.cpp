#include "svg_path_data.h"

#include <cctype>

#include "svg_curves.h"
#include "svg_scan.h"

namespace {

struct Broken {
  std::string why;
};

class PathDataReader {
 public:
  PathDataReader(std::string_view d, std::vector<SvgSubpath>* out) : scan_(d), out_(out) {}

  void Read() {
    char command = 0;
    while (true) {
      scan_.SkipSeparators();
      if (scan_.AtEnd()) break;
      const size_t at = scan_.Offset();
      const char c = scan_.Peek();
      if (std::isalpha(static_cast<unsigned char>(c))) {
        command = c;
        scan_.Advance();
      } else if (command == 0 || command == 'z' || command == 'Z') {
        Fail(at);  // a number with no command to repeat
      }
      if (out_->empty() && command != 'M' && command != 'm') throw Broken{"path data must start with M"};
      command = Draw(command);
    }
    if (out_->empty()) throw Broken{"a path without data"};
  }

 private:
  [[noreturn]] void Fail(size_t at) { throw Broken{"broken path data near offset " + std::to_string(at)}; }

  double Number() {
    double v;
    if (!scan_.NextNumber(&v)) Fail(scan_.Offset());
    return v;
  }

  RealPoint Point(bool relative) {
    const double x = Number(), y = Number();
    return relative ? RealPoint{at_.h + x, at_.v + y} : RealPoint{x, y};
  }

  // One command's arguments; returns the command that repeats with further numbers.
  char Draw(char command) {
    const bool rel = std::islower(static_cast<unsigned char>(command));
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
    RealPoint lastControl = at_;  // reflected by S and T when they follow their own kind
    char kind = 0;                // 'C' after C or S, 'Q' after Q or T
    switch (upper) {
      case 'M':
        at_ = Point(rel);
        out_->push_back(SvgSubpath{{PathSegment{at_, at_, at_, 1}}, false});
        previousKind_ = 0;
        return rel ? 'l' : 'L';
      case 'L':
        LineTo(Point(rel));
        break;
      case 'H':
        LineTo(RealPoint{(rel ? at_.h : 0) + Number(), at_.v});
        break;
      case 'V':
        LineTo(RealPoint{at_.h, (rel ? at_.v : 0) + Number()});
        break;
      case 'C':
      case 'S': {
        const RealPoint c1 = upper == 'C' ? Point(rel) : Reflected('C');
        const RealPoint c2 = Point(rel), p = Point(rel);
        CurveTo(CubicPiece{c1, c2, p});
        lastControl = c2;
        kind = 'C';
        break;
      }
      case 'Q':
      case 'T': {
        const RealPoint q = upper == 'Q' ? Point(rel) : Reflected('Q');
        const RealPoint p = Point(rel);
        CurveTo(QuadraticAsCubic(at_, q, p));
        lastControl = q;
        kind = 'Q';
        break;
      }
      case 'A': {
        const double rx = Number(), ry = Number(), angle = Number();
        bool large, sweep;
        if (!scan_.NextFlag(&large) || !scan_.NextFlag(&sweep)) Fail(scan_.Offset());
        const RealPoint p = Point(rel);
        if (rx == 0 || ry == 0) {
          LineTo(p);
          break;
        }
        for (const CubicPiece& piece : ArcAsCubics(at_, rx, ry, angle, large, sweep, p)) CurveTo(piece);
        break;
      }
      case 'Z':
        Close();
        break;
      default:
        throw Broken{std::string("unsupported path command '") + command + "'"};
    }
    lastControl_ = lastControl;
    previousKind_ = kind;
    return command;
  }

  RealPoint Reflected(char kind) const {
    if (previousKind_ != kind) return at_;
    return RealPoint{2 * at_.h - lastControl_.h, 2 * at_.v - lastControl_.v};
  }

  // Drawing on after Z starts a new subpath where the closed one began.
  std::vector<PathSegment>& Drawing() {
    if (out_->back().closed) out_->push_back(SvgSubpath{{PathSegment{at_, at_, at_, 1}}, false});
    return out_->back().segments;
  }

  void LineTo(RealPoint p) {
    Drawing().push_back(PathSegment{p, p, p, 1});
    at_ = p;
  }

  void CurveTo(const CubicPiece& piece) {
    std::vector<PathSegment>& segments = Drawing();
    segments.back().out = piece.c1;
    segments.push_back(PathSegment{piece.p, piece.c2, piece.p, 0});
    at_ = piece.p;
  }

  // A last anchor drawn back onto the first is the first: the closing segment carries its curve.
  void Close() {
    SvgSubpath& path = out_->back();
    if (path.closed) return;  // a second Z closes nothing more
    std::vector<PathSegment>& s = path.segments;
    if (s.size() > 1 && s.back().p.h == s.front().p.h && s.back().p.v == s.front().p.v) {
      s.front().in = s.back().in;
      s.pop_back();
    }
    path.closed = true;
    at_ = s.front().p;
  }

  SvgScanner scan_;
  std::vector<SvgSubpath>* out_;
  RealPoint at_{0, 0};
  RealPoint lastControl_{0, 0};
  char previousKind_ = 0;
};

}  // namespace

bool ReadPathData(std::string_view d, std::vector<SvgSubpath>* out, std::string* why) {
  out->clear();
  try {
    PathDataReader(d, out).Read();
  } catch (const Broken& b) {
    if (why) *why = b.why;
    return false;
  }
  return true;
}
