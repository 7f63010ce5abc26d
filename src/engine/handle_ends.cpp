#include "engine/handle_ends.h"

#include <utility>

void SwapHandleEnds(TwoPointHandleData& line) {
  std::swap(line.p1, line.p2);
  std::swap(line.art1, line.art2);
  std::swap(line.index1, line.index2);
}

bool PutEndOnPathSecond(TwoPointHandleData& line) {
  if (line.art2 != nullptr) return false;
  SwapHandleEnds(line);
  line.art1 = nullptr;
  line.index1 = 0;
  return true;
}
