// Opening, listing and saving a document file of about 10 MB (a pattern of 18
// realistic pieces graded in 10 sizes, as the host writes it), next to a bare
// XML parse of the same file: what the host adds to reading the XML. Opening
// then walking every art's bounds is what `vestamark-host --list` does.
//
// With `--write FILE` the program writes, instead, that file, for measuring
// the headless host on it as a whole process.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <pugixml.hpp>
#include <string>

#include "host/host_driver.h"
#include "host_model.h"
#include "pattern_scene.h"

namespace {

constexpr int kPieces = 18;

bool WritePattern(const std::string& file) {
  StartBenchModule(true);
  bench::MakePatternPieces(kPieces, 10);
  std::string error;
  const bool written = vmhost::SaveDocument(vmhost::CurrentDocument(), file, &error);
  if (!written) std::fprintf(stderr, "%s\n", error.c_str());
  ResetBenchHost();
  return written;
}

const std::string& PatternFile() {
  static const std::string path = [] {
    const std::string file = "/tmp/vm_svg_file_bench_" + std::to_string(::getpid()) + ".svg";
    WritePattern(file);
    return file;
  }();
  return path;
}

void SetBytes(benchmark::State& state) {
  FILE* f = std::fopen(PatternFile().c_str(), "rb");
  std::fseek(f, 0, SEEK_END);
  state.counters["MB"] = static_cast<double>(std::ftell(f)) / 1e6;
  std::fclose(f);
}

void BM_BareXmlParse(benchmark::State& state) {
  const std::string& file = PatternFile();
  for (auto _ : state) {
    pugi::xml_document xml;
    benchmark::DoNotOptimize(xml.load_file(file.c_str()));
  }
  SetBytes(state);
}
BENCHMARK(BM_BareXmlParse)->Unit(benchmark::kMillisecond);

DocumentHandle Open(benchmark::State& state, const std::string& file) {
  std::string error;
  DocumentHandle doc = vmhost::OpenDocument(file, &error);
  if (doc == nullptr) state.SkipWithError(error.c_str());
  return doc;
}

void BM_OpenAndList(benchmark::State& state) {
  const std::string& file = PatternFile();
  for (auto _ : state) {
    DocumentHandle doc = Open(state, file);
    if (doc == nullptr) break;
    size_t listed = 0;
    for (HostLayer* layer : doc->d.layers)
      ForEachArt(layer->group, [&](HostArt* art) {
        bool empty = true;
        benchmark::DoNotOptimize(ArtBounds(art, false, &empty));
        ++listed;
      });
    benchmark::DoNotOptimize(listed);
    vmhost::ResetHost();
  }
  SetBytes(state);
}
BENCHMARK(BM_OpenAndList)->Unit(benchmark::kMillisecond);

void BM_OpenAndSave(benchmark::State& state) {
  const std::string& file = PatternFile();
  const std::string saved = file + ".saved.svg";
  for (auto _ : state) {
    DocumentHandle doc = Open(state, file);
    if (doc == nullptr) break;
    std::string error;
    if (!vmhost::SaveDocument(doc, saved, &error)) state.SkipWithError(error.c_str());
    vmhost::ResetHost();
  }
  std::remove(saved.c_str());
  SetBytes(state);
}
BENCHMARK(BM_OpenAndSave)->Unit(benchmark::kMillisecond);

// The document as it is written, in memory: the writer's own cost, no disk.
void BM_SaveText(benchmark::State& state) {
  DocumentHandle doc = Open(state, PatternFile());
  for (auto _ : state)
    if (doc != nullptr) WriteSvgText(doc, [](std::string_view piece) { benchmark::DoNotOptimize(piece.data()); });
  vmhost::ResetHost();
  SetBytes(state);
}
BENCHMARK(BM_SaveText)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--write") return WritePattern(argv[2]) ? 0 : 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::remove(PatternFile().c_str());
  return 0;
}
