// A whole pattern as the user has it: pieces, each the realistic piece (a
// group of ten member paths, a hundred handles) with its own grading group and
// title, laid out side by side on one layer, and the sizes (presets) the
// pattern is graded in.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_document.h"
#include "piece_scene.h"

namespace bench {

constexpr int kPieceMembers = 10;
constexpr int kPieceHandles = 100;

struct PatternScene {
  TimerHandle timer = nullptr;
  std::vector<ArtHandle> pieces;  // the pieces' groups, in the order made
};

// The first `sizes` of the 99 presets take part; the slot after them is free.
inline void UseSizes(PluginGlobals& g, int sizes) {
  MakeNinetyNinePresets(g);
  for (int s = sizes; s < kMaxPresets; ++s) g.presets[s].empty = 1;
}

// Makes the pieces in the current document and saves each one's group.
inline std::vector<ArtHandle> MakePatternPieces(int pieces, int sizes) {
  sSPBasic = &gBasicSuite;
  AcquireSuites(&gBasicSuite);
  PluginGlobals& g = *gPlugin;
  UseSizes(g, sizes);
  std::vector<ArtHandle> groups;
  for (int p = 0; p < pieces; ++p) {
    const double left = 3200.0 * (p % 8);
    const double bottom = 400.0 * (p / 8);
    ArtHandle piece = vmhost::AddGroup(nullptr);
    std::vector<ArtHandle> members;
    for (int j = 0; j < kPieceMembers; ++j)
      members.push_back(vmhost::AddPath(piece, PieceOutline(left + 300.0 * j, bottom), true));
    LoadGradingGroup(nullptr, 0);
    MakeHandles(g, members.data(), kPieceMembers, kPieceHandles);
    std::snprintf(g.grading_title, sizeof g.grading_title, "Piece %d", p + 1);
    g.grading_origin = {left + 1350.0, bottom + 40.0};
    SaveGradingGroup(members.data(), kPieceMembers, 1);
    groups.push_back(piece);
  }
  LoadGradingGroup(nullptr, 0);
  ReleaseSuites(&gBasicSuite);
  return groups;
}

// The module started with its panels on a document holding the pattern,
// nothing selected and no revision tool in hand.
inline PatternScene StartPatternScene(int pieces, int sizes) {
  PatternScene scene;
  scene.timer = StartBenchModule(true);
  scene.pieces = MakePatternPieces(pieces, sizes);
  vmhost::FireTimer(scene.timer);
  vmhost::ClearRecordings();
  return scene;
}

}  // namespace bench
