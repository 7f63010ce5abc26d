// A document as the user has it while grading: the realistic piece (a group
// of member paths) with its grading group in the tags, 99 presets, selected,
// the distance revision tool current, and the polling timer and the
// Information panel up to date.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_document.h"
#include "realistic_piece.h"
#include "store/grading_group_tags.h"

namespace bench {

struct PieceScene {
  TimerHandle timer = nullptr;
  ToolHandle tool = nullptr;
  ArtHandle piece = nullptr;
  std::vector<ArtHandle> members;
};

inline void MakeNinetyNinePresets(PluginGlobals& g) {
  for (int s = 0; s < kMaxPresets; ++s) {
    PresetRecord& preset = g.presets[s];
    std::memset(&preset, 0, sizeof preset);
    std::snprintf(preset.name, sizeof preset.name, "P%02d", s + 1);
    preset.scaleIndex = s;
    preset.enabled = 1;
  }
  SetPresetScales(g);
}

inline PieceScene StartPieceScene(int memberCount, int handleCount) {
  PieceScene scene;
  scene.timer = StartBenchModule(true);
  scene.piece = vmhost::AddGroup(nullptr);
  for (int j = 0; j < memberCount; ++j)
    scene.members.push_back(vmhost::AddPath(scene.piece, PieceOutline(300.0 * j), true));
  sSPBasic = &gBasicSuite;
  AcquireSuites(&gBasicSuite);
  PluginGlobals& g = *gPlugin;
  MakeNinetyNinePresets(g);
  MakeHandles(g, scene.members.data(), memberCount, handleCount);
  std::strcpy(g.grading_title, "Bodice");
  SaveGradingGroup(scene.members.data(), memberCount, 1);
  ReleaseSuites(&gBasicSuite);

  scene.tool = gPlugin->toolHandles[1];
  vmhost::SetSelected(scene.piece, true);
  vmhost::SelectTool(scene.tool);
  vmhost::FireTimer(scene.timer);
  vmhost::ClearRecordings();
  return scene;
}

// A benchmark whose action showed an alert measured something else.
inline void FailOnAlerts(benchmark::State& state) {
  if (!vmhost::Alerts().empty()) state.SkipWithError(("alert: " + vmhost::Alerts().front().text).c_str());
}

}  // namespace bench
