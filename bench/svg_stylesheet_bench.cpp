// Opening a file whose stylesheet has as many rules as it has elements, each
// element of a class of its own (as some exporters write a style per object):
// N = 100,000 is a file of about 5 MB. Its time grows with N, not with N * N.
#include <benchmark/benchmark.h>

#include <string>

#include "host/host_driver.h"
#include "win/win_driver.h"

namespace {

std::string StyledFile(int count) {
  std::string text = "<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='100mm'>\n<style>\n";
  for (int i = 0; i < count; ++i) text += ".s" + std::to_string(i) + "{fill:none}\n";
  text += "</style>\n";
  for (int i = 0; i < count; ++i)
    text += "<rect class='s" + std::to_string(i) + "' width='2' height='3'/>\n";
  return text + "</svg>\n";
}

void BM_OpenFileWithLargeStylesheet(benchmark::State& state) {
  const std::string text = StyledFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string error;
    if (ReadSvgText("styled.svg", text, &error) == nullptr) state.SkipWithError(error.c_str());
    vmhost::ResetHost();
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  vmwin::ResetWindowsLayer();
}
BENCHMARK(BM_OpenFileWithLargeStylesheet)->Arg(10000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
