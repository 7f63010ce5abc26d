// Small images written as rows of characters, turned into pixels at compile time.
#pragma once

#include <array>
#include <cstdint>

// '#' takes the ink colour, anything else is transparent.
template <int W, int H>
constexpr std::array<uint32_t, W * H> PixelArt(const char (&rows)[H][W + 1], uint32_t ink) {
  std::array<uint32_t, W * H> pixels{};
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) pixels[y * W + x] = rows[y][x] == '#' ? ink : 0u;
  }
  return pixels;
}
