// Real math and random suites. Rectangles have y up: top > bottom.
#include <algorithm>
#include <cmath>

#include "host_model.h"
#include "host_suite_tables.h"

namespace {

int32_t EqualPoints(const RealPoint* a, const RealPoint* b) { return a->h == b->h && a->v == b->v ? 1 : 0; }

double PointAngle(const RealPoint* a, const RealPoint* b) { return std::atan2(b->v - a->v, b->h - a->h); }

void UnionRect(const RealRect* a, const RealRect* b, RealRect* out) {
  *out = RealRect{std::min(a->left, b->left), std::max(a->top, b->top), std::max(a->right, b->right),
                  std::min(a->bottom, b->bottom)};
}

int32_t EmptyRect(const RealRect* r) { return r->left >= r->right || r->bottom >= r->top ? 1 : 0; }

int32_t IntersectRect(const RealRect* a, const RealRect* b, RealRect* out) {
  RealRect r{std::max(a->left, b->left), std::min(a->top, b->top), std::min(a->right, b->right),
             std::max(a->bottom, b->bottom)};
  bool overlap = !EmptyRect(&r);
  if (out) *out = overlap ? r : RealRect{0, 0, 0, 0};
  return overlap ? 1 : 0;
}

void InsetRect(RealRect* r, double h, double v) {
  r->left += h;
  r->right -= h;
  r->top -= v;
  r->bottom += v;
}

int32_t PointInRect(const RealPoint* p, const RealRect* r) {
  return p->h >= r->left && p->h <= r->right && p->v >= r->bottom && p->v <= r->top ? 1 : 0;
}

void MatrixSetIdentity(RealMatrix* m) { *m = RealMatrix{1, 0, 0, 1, 0, 0}; }
void MatrixSetTranslate(RealMatrix* m, double tx, double ty) { *m = RealMatrix{1, 0, 0, 1, tx, ty}; }
// Counter-clockwise with y up.
void MatrixSetRotate(RealMatrix* m, double angle) {
  double c = std::cos(angle), s = std::sin(angle);
  *m = RealMatrix{c, s, -s, c, 0, 0};
}
void MatrixSetScale(RealMatrix* m, double h, double v) { *m = RealMatrix{h, 0, 0, v, 0, 0}; }

void MatrixConcat(const RealMatrix* first, const RealMatrix* then, RealMatrix* out) {
  *out = MultiplyMatrix(*first, *then);
}

void MatrixConcatTranslate(RealMatrix* m, double tx, double ty) {
  RealMatrix t;
  MatrixSetTranslate(&t, tx, ty);
  *m = MultiplyMatrix(*m, t);
}

void MatrixConcatRotate(RealMatrix* m, double angle) {
  RealMatrix r;
  MatrixSetRotate(&r, angle);
  *m = MultiplyMatrix(*m, r);
}

void MatrixConcatScale(RealMatrix* m, double h, double v) {
  RealMatrix s;
  MatrixSetScale(&s, h, v);
  *m = MultiplyMatrix(*m, s);
}

void TransformPoint(const RealMatrix* m, const RealPoint* p, RealPoint* out) { *out = ApplyMatrix(*m, *p); }

// ---- random: splitmix64, so a seed gives the same fractions on every run ------

HostErr SetRandomSeed(int32_t seed) {
  gHost.randomState = static_cast<uint64_t>(static_cast<uint32_t>(seed)) * 0x9E3779B97F4A7C15ull + 1;
  return kNoErr;
}

double FloatRnd() {
  uint64_t z = (gHost.randomState += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace

const AIRealMathSuite kRealMathSuite = {
    EqualPoints,        PointAngle,        UnionRect,      IntersectRect,
    InsetRect,          EmptyRect,         PointInRect,    MatrixSetIdentity,
    MatrixSetTranslate, MatrixSetRotate,   MatrixSetScale, MatrixConcatTranslate,
    MatrixConcatRotate, MatrixConcatScale, MatrixConcat,   TransformPoint};
const AIRandomSuite kRandomSuite = {SetRandomSeed, FloatRnd};
