// "Update grading" of the realistic piece for all 99 presets, each into a
// layer of its own, as the user runs it from the Information panel: the
// Update button, the dialog answered with Enter, the dialog's preview off
// (preview:0) or on, its default (preview:1). Each run is undone afterwards.
#include <benchmark/benchmark.h>

#include "panels/panel_controls.h"
#include "piece_scene.h"
#include "resources/update_grading_resource_ids.h"
#include "win_api.h"

namespace {

HWND UpdateButton() {
  PanelHandle panel = vmhost::FindPanel("Vestamark_INF_PANEL");
  return panel != nullptr ? GetDlgItem(panel->window, kUpdateButtonId) : nullptr;
}

void BM_UpdateAllPresets(benchmark::State& state) {
  bench::PieceScene scene = bench::StartPieceScene(10, 100);
  UpdateGradingSettings& options = gPlugin->updateGrading;
  options.renewal_mode = 1;  // all sets
  options.renewal_leave = 1;
  options.renewal_out_layer = 1;
  options.renewal_out_preset = 1;
  options.renewal_preview = static_cast<int16_t>(state.range(0));
  vmwin::AdvanceTime(1000);  // the panel's own timer enables the button
  vmwin::DispatchPostedMessages();
  HWND button = UpdateButton();
  const size_t layersBefore = vmhost::CurrentDocument()->d.layers.size();
  size_t layersMade = 0;
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
  if (layersMade != kMaxPresets) state.SkipWithError("the presets did not each get a layer");
  bench::FailOnAlerts(state);
}

}  // namespace

BENCHMARK(BM_UpdateAllPresets)->ArgName("preview")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
