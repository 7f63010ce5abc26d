// "Update grading" of a whole pattern: every piece of a pattern of 1 to 128
// realistic pieces for 10 and for 99 sizes, written from the Variable panel
// with no revision tool in hand; and one piece, chosen with a revision tool,
// for 10 sizes in a pattern of 1 to 32 pieces. Each size goes into a layer of
// its own, the dialog's preview off (preview:0) or on; each run is undone
// afterwards. The counter peak_MB is the largest the process grew to during
// the benchmark (resident memory, measured by the kernel), everything it holds
// included; run one benchmark per process for figures free of what an earlier
// one left behind. An update runs once for every piece (a long run), five
// times for one piece.
//
// With `--write-patterns FOLDER` the program writes, instead, the pattern
// documents of the benchmarks (pattern-<pieces>-<sizes>.svg) for the
// headless host, each with the sessions of its runs beside it
// (pattern-<pieces>-<sizes>-every-piece.session, ...-one-piece-preview.session).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/host_driver.h"
#include "pattern_scene.h"

namespace {

// Every piece selected, no revision tool: the Variable panel's Update.
void BM_UpdateEveryPiece(benchmark::State& state) {
  const int sizes = static_cast<int>(state.range(1));
  bench::PatternScene scene = bench::StartPatternScene(static_cast<int>(state.range(0)), sizes);
  bench::UseEverySizeOnItsLayer(state.range(2) != 0);
  for (ArtHandle piece : scene.pieces) vmhost::SetSelected(piece, true);
  vmhost::FireTimer(scene.timer);
  bench::RunUpdates(state, "Vestamark_VAR_PANEL", static_cast<size_t>(sizes));
  ResetBenchHost();
}

// The first piece selected with the distance revision tool: the Information panel's Update.
void BM_UpdateOnePiece(benchmark::State& state) {
  bench::PatternScene scene = bench::StartPatternScene(static_cast<int>(state.range(0)), 10);
  bench::UseEverySizeOnItsLayer(state.range(1) != 0);
  vmhost::SetSelected(scene.pieces.front(), true);
  vmhost::SelectTool(gPlugin->toolHandles[1]);
  vmhost::FireTimer(scene.timer);
  bench::RunUpdates(state, "Vestamark_INF_PANEL", 10);
  ResetBenchHost();
}

// ---- the documents and sessions for the headless host ----

// The options as the user left them last time: every size on a layer of its
// own, the pieces left, the preview as asked; the dialog is answered the same.
std::string Session(const std::string& documents, const std::string& select, bool withTool, bool preview,
                    const char* panel) {
  const char* check = preview ? "1" : "0";
  std::string text = "language english\ndocuments " + documents + "\nselect " + select + "\ntick\n";
  if (withTool) text += "tool Distance revision\ntick\n";
  text += "tick 40\ndialog 17070\n  check 12 " + std::string(check) +
          "\n  check 4 1\n  check 6 1\n  check 8 1\n  check 9 1\n  click 1\nend\npanel " + panel + " click 6\n";
  return text;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A Documents folder whose preferences hold those options.
std::string DocumentsWithOptions(const std::filesystem::path& folder, bool preview) {
  const std::filesystem::path documents = folder / (preview ? "documents-preview" : "documents");
  WriteFile(documents / "Adobe" / "Illustrator" / "Prefs" / "Vestamark.ini",
            std::string("renewal_leave = 1\r\nrenewal_mode = 1\r\nrenewal_preview = ") + (preview ? "1" : "0") +
                "\r\nrenewal_out_layer = 1\r\nrenewal_out_preset = 1\r\n");
  return documents.string();
}

int WritePatterns(const std::string& named) {
  const std::filesystem::path folder = std::filesystem::absolute(named);
  for (int sizes : {10, 99}) {
    for (int pieces : {1, 8, 32, 128}) {
      StartBenchModule(true);
      std::vector<ArtHandle> groups = bench::MakePatternPieces(pieces, sizes);
      const std::string name = "pattern-" + std::to_string(pieces) + "-" + std::to_string(sizes);
      std::string error;
      if (!vmhost::SaveDocument(vmhost::CurrentDocument(), (folder / (name + ".svg")).string(), &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
      }
      std::string all;
      for (ArtHandle group : groups) {
        if (!all.empty()) all += ' ';
        all += vmhost::ArtId(group);
      }
      for (bool preview : {false, true}) {
        const std::string suffix = preview ? "-preview" : "";
        const std::string documents = DocumentsWithOptions(folder, preview);
        const std::filesystem::path stem = folder / name;
        WriteFile(stem.string() + "-every-piece" + suffix + ".session",
                  Session(documents, all, false, preview, "Vestamark_VAR_PANEL"));
        WriteFile(stem.string() + "-one-piece" + suffix + ".session",
                  Session(documents, vmhost::ArtId(groups.front()), true, preview, "Vestamark_INF_PANEL"));
      }
      ResetBenchHost();
    }
  }
  return 0;
}

}  // namespace

BENCHMARK(BM_UpdateEveryPiece)
    ->ArgNames({"pieces", "sizes", "preview"})
    ->ArgsProduct({{1, 8, 32, 128}, {10, 99}, {0}})
    ->Args({32, 10, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_UpdateOnePiece)
    ->ArgNames({"pieces", "preview"})
    ->ArgsProduct({{1, 8, 32}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write-patterns") return WritePatterns(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
