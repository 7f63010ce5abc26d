// A document as the user has it while grading: the realistic piece (a group
// of member paths) with its grading group in the tags, 99 presets, selected,
// the distance revision tool current, and the polling timer and the
// Information panel up to date.
#pragma once

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "bench_document.h"
#include "panels/panel_controls.h"
#include "realistic_piece.h"
#include "resources/update_grading_resource_ids.h"
#include "store/grading_group_tags.h"
#include "win_api.h"

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

// "Update grading" writes every size into a layer of its own, the pieces
// left as they are; with `preview` the dialog shows what it will write.
inline void UseEverySizeOnItsLayer(bool preview) {
  UpdateGradingSettings& options = gPlugin->updateGrading;
  options.renewal_mode = 1;  // all sets
  options.renewal_leave = 1;
  options.renewal_out_layer = 1;
  options.renewal_out_preset = 1;
  options.renewal_preview = preview ? 1 : 0;
}

// The process's peak resident memory is set back to what it holds now.
inline void RestartPeakMemory() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

inline double PeakMemoryMB() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word != "VmHWM:") continue;
    double kB = 0;
    status >> kB;
    return kB / 1024.0;
  }
  return 0;
}

inline HWND UpdateButton(const char* panelId) {
  PanelHandle panel = vmhost::FindPanel(panelId);
  return panel != nullptr ? GetDlgItem(panel->window, kUpdateButtonId) : nullptr;
}

// Clicks the Update button of the panel once per iteration, the dialog
// answered with Enter, and undoes what it wrote; fails when not every size got
// its layer. The counter peak_MB is the most resident memory the process held
// meanwhile.
inline void RunUpdates(benchmark::State& state, const char* panelId, size_t sizes) {
  vmwin::AdvanceTime(1000);  // the panel's own timer enables its buttons
  vmwin::DispatchPostedMessages();
  HWND button = UpdateButton(panelId);
  const size_t layersBefore = vmhost::CurrentDocument()->d.layers.size();
  size_t layersMade = 0;
  RestartPeakMemory();
  for (auto _ : state) {
    state.PauseTiming();
    vmwin::ScriptDialog(kUpdateGradingDialogResource, {vmwin::PressEnter()});
    state.ResumeTiming();
    SendMessage(button, BM_CLICK, 0, 0);
    state.PauseTiming();
    layersMade = vmhost::CurrentDocument()->d.layers.size() - layersBefore;
    vmhost::Undo();
    state.ResumeTiming();
  }
  state.counters["peak_MB"] = PeakMemoryMB();
  if (layersMade != sizes) state.SkipWithError("the sizes did not each get a layer");
  FailOnAlerts(state);
}

}  // namespace bench
