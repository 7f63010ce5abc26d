#include "geometry/int_point.h"

void MakeIntRect(IntRect* rect, int32_t top, int32_t left, int32_t bottom, int32_t right) {
  rect->left = left;
  rect->top = top;
  rect->right = right;
  rect->bottom = bottom;
}

void SetIntPoint(IntPoint* point, int32_t x, int32_t y) {
  point->x = x;
  point->y = y;
}

void OffsetIntPoint(int32_t dx, int32_t dy, IntPoint* point) {
  point->x += dx;
  point->y += dy;
}

int16_t IntPointsEqual(IntPoint a, IntPoint b) { return a.x == b.x && a.y == b.y ? 1 : 0; }
