// libFuzzer target: any bytes as a document file. A file that reads must be
// written, read again and written to the very same bytes, and list the same
// arts both times. Kept out of the unit tests (.cc, not globbed).
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "headless/document_list.h"
#include "host/host_driver.h"
#include "win/win_driver.h"

// The list, but how px were counted: the saved file is in points.
static std::string Listed(HostDocument* doc) {
  std::ostringstream out;
  headless::ListArts(doc, out);
  std::string text = out.str();
  return text.erase(text.find(", "), text.find('\n') - text.find(", "));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string error;
  std::vector<std::string> warnings;
  // Both ways of counting px; a bomb is stopped soon, so that inputs stay quick.
  SvgReadOptions options;
  options.pixelsPerInch = size % 2 == 0 ? 96 : 72;
  options.memoryBudget = size_t{8} << 20;
  if (HostDocument* doc = ReadSvgText("fuzz.svg", text, &error, &warnings, options)) {
    const std::string saved = SvgDocumentText(doc);
    HostDocument* again = ReadSvgText("saved.svg", saved, &error);
    if (again == nullptr || SvgDocumentText(again) != saved) __builtin_trap();
    if (Listed(doc) != Listed(again)) __builtin_trap();
  }
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
  return 0;
}
