// Integer points and rectangles (window pixels).
#pragma once

#include <cstdint>

struct IntPoint {
  int32_t x;
  int32_t y;
};

struct IntRect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

void MakeIntRect(IntRect* rect, int32_t top, int32_t left, int32_t bottom, int32_t right);
void SetIntPoint(IntPoint* point, int32_t x, int32_t y);
void OffsetIntPoint(int32_t dx, int32_t dy, IntPoint* point);
int16_t IntPointsEqual(IntPoint a, IntPoint b);
