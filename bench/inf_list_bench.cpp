// The Information list repainted whole over the realistic piece: every row a
// deferred paint command run inside a host call, showing live values that
// the grading engine measures. The handles argument shows how the repaint
// grows with the list (100 handles make 91 rows with the basic row).
#include <benchmark/benchmark.h>

#include <algorithm>

#include "piece_scene.h"
#include "win_api.h"

namespace {

constexpr int kRowHeight = 40;

HWND InfList() {
  PanelHandle panel = vmhost::FindPanel("Vestamark_INF_PANEL");
  return panel != nullptr ? GetDlgItem(panel->window, 1) : nullptr;
}

long RowPaints() {
  const auto& calls = vmhost::Calls();
  return static_cast<long>(std::count(calls.begin(), calls.end(), "Action Manager/Do Action"));
}

void BM_RepaintInfList(benchmark::State& state) {
  bench::PieceScene scene = bench::StartPieceScene(10, static_cast<int>(state.range(0)));
  HWND list = InfList();
  const long rows = static_cast<long>(SendMessage(list, LB_GETCOUNT, 0, 0));
  // A panel tall enough to show every row.
  RECT shown{};
  GetClientRect(list, &shown);
  MoveWindow(list, 0, 0, shown.right, static_cast<int>(rows) * kRowHeight, FALSE);
  long painted = 0;
  for (auto _ : state) {
    InvalidateRect(list, nullptr, FALSE);
    vmwin::PaintInvalidWindows();
    state.PauseTiming();
    painted = RowPaints();
    vmwin::ClearDrawing(list);
    vmhost::ClearRecordings();
    state.ResumeTiming();
  }
  if (painted != rows)
    state.SkipWithError(("painted " + std::to_string(painted) + " of " + std::to_string(rows)).c_str());
  state.counters["rows"] = static_cast<double>(rows);
  bench::FailOnAlerts(state);
}

}  // namespace

BENCHMARK(BM_RepaintInfList)
    ->ArgName("handles")
    ->Arg(100)
    ->Arg(25)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond);
