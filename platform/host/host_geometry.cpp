// Bounds and transforms of art. Path bounds are the exact extrema of the
// curves; control bounds also take in every control point.
#include <algorithm>
#include <cmath>

#include "host_model.h"

RealPoint ApplyMatrix(const RealMatrix& m, RealPoint p) {
  return RealPoint{p.h * m.a + p.v * m.c + m.tx, p.h * m.b + p.v * m.d + m.ty};
}

RealMatrix MultiplyMatrix(const RealMatrix& f, const RealMatrix& t) {
  return RealMatrix{f.a * t.a + f.b * t.c, f.a * t.b + f.b * t.d,          f.c * t.a + f.d * t.c,
                    f.c * t.b + f.d * t.d, f.tx * t.a + f.ty * t.c + t.tx, f.tx * t.b + f.ty * t.d + t.ty};
}

namespace {

struct Box {
  bool empty = true;
  double left = 0, top = 0, right = 0, bottom = 0;
  void Add(RealPoint p) {
    if (empty) {
      left = right = p.h;
      top = bottom = p.v;
      empty = false;
      return;
    }
    left = std::min(left, p.h);
    right = std::max(right, p.h);
    bottom = std::min(bottom, p.v);
    top = std::max(top, p.v);
  }
  void Add(const Box& b) {
    if (b.empty) return;
    Add(RealPoint{b.left, b.top});
    Add(RealPoint{b.right, b.bottom});
  }
};

double Cubic(double p0, double p1, double p2, double p3, double t) {
  double u = 1 - t;
  return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
}

// Parameters in (0, 1) where one coordinate of the curve turns.
void AxisExtrema(double p0, double p1, double p2, double p3, double* ts, int* n) {
  double d0 = p1 - p0, d1 = p2 - p1, d2 = p3 - p2;
  double a = d0 - 2 * d1 + d2, b = 2 * (d1 - d0), c = d0;
  *n = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1) ts[(*n)++] = t;
  };
  if (std::fabs(a) < 1e-12) {
    if (std::fabs(b) > 1e-12) keep(-c / b);
    return;
  }
  double disc = b * b - 4 * a * c;
  if (disc < 0) return;
  double r = std::sqrt(disc);
  keep((-b + r) / (2 * a));
  keep((-b - r) / (2 * a));
}

void AddCurve(Box& box, const PathSegment& s1, const PathSegment& s2, bool controlPoints) {
  box.Add(s2.p);
  if (controlPoints) {
    box.Add(s1.out);
    box.Add(s2.in);
    return;
  }
  double ts[4];
  int n = 0, m = 0;
  AxisExtrema(s1.p.h, s1.out.h, s2.in.h, s2.p.h, ts, &n);
  AxisExtrema(s1.p.v, s1.out.v, s2.in.v, s2.p.v, ts + n, &m);
  for (int i = 0; i < n + m; i++)
    box.Add(RealPoint{Cubic(s1.p.h, s1.out.h, s2.in.h, s2.p.h, ts[i]),
                      Cubic(s1.p.v, s1.out.v, s2.in.v, s2.p.v, ts[i])});
}

// A deterministic metric: half an em for ASCII and half-width kana, a full em
// otherwise; ascent 0.8 and descent 0.2 of the size.
Box TextBox(const TextData& t) {
  double em = t.chars.size * t.chars.horizontalScale;
  double width = 0;
  for (char16_t c : t.text) {
    bool narrow = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
    width += narrow ? em / 2 : em;
  }
  double start = t.para.justification == kJustifyCenter  ? -width / 2
                 : t.para.justification == kJustifyRight ? -width
                                                         : 0;
  Box box;
  double x0 = t.anchor.h + start, x1 = x0 + width;
  double y0 = t.anchor.v - 0.2 * t.chars.size, y1 = t.anchor.v + 0.8 * t.chars.size;
  for (RealPoint p : {RealPoint{x0, y0}, RealPoint{x1, y0}, RealPoint{x1, y1}, RealPoint{x0, y1}})
    box.Add(ApplyMatrix(t.matrix, p));
  return box;
}

Box BoundsOf(const HostArt* art, bool controlPoints) {
  Box box;
  const ArtData& d = art->d;
  switch (d.type) {
    case kPathArt: {
      const PathBounds& b = d.segments.Bounds(d.closed, controlPoints);
      if (!b.empty) box = Box{false, b.rect.left, b.rect.top, b.rect.right, b.rect.bottom};
      return box;
    }
    case kTextFrameArt:
      return TextBox(d.text);
    default:
      for (const HostArt* kid : d.children) box.Add(BoundsOf(kid, controlPoints));
      return box;
  }
}

}  // namespace

PathBounds MeasurePath(const std::vector<PathSegment>& s, bool closed, bool controlPoints) {
  PathBounds bounds;
  if (s.empty()) return bounds;
  Box box;
  box.Add(s[0].p);
  for (size_t i = 1; i < s.size(); i++) AddCurve(box, s[i - 1], s[i], controlPoints);
  if (closed && s.size() > 1) AddCurve(box, s.back(), s.front(), controlPoints);
  bounds.empty = false;
  bounds.rect = RealRect{box.left, box.top, box.right, box.bottom};
  return bounds;
}

RealRect ArtBounds(const HostArt* art, bool controlPoints, bool* empty) {
  Box b = BoundsOf(art, controlPoints);
  if (empty) *empty = b.empty;
  return RealRect{b.left, b.top, b.right, b.bottom};
}

void TransformArtTree(HostArt* art, const RealMatrix& m, double lineScale) {
  ForEachArt(art, [&](HostArt* a) {
    ForgetKeptCopy(a);
    ArtData& d = a->d;
    if (d.type == kPathArt) {
      for (PathSegment& s : d.segments.Edit()) {
        s.p = ApplyMatrix(m, s.p);
        s.in = ApplyMatrix(m, s.in);
        s.out = ApplyMatrix(m, s.out);
      }
      d.style.strokeWidth *= lineScale;
    } else if (d.type == kTextFrameArt) {
      d.text.matrix = MultiplyMatrix(d.text.matrix, m);
    }
  });
}
