// libFuzzer target: any bytes as a variables file, imported into a table of
// names that need quoting and escapes, in piece mode or (first byte odd) in
// document mode. The values taken are exported, imported into the table set
// to other values and exported again: every value comes back to the byte and
// the second file is the first.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "file_fuzz.h"
#include "store/variables_csv.h"

namespace {

const char* const kNames[] = {"A", "B C", "q\"", "\x95\x5c", "t\\t", "lead\x81", "x,y", "e=1", "\x82\xa0"};
const char* const kTitles[] = {"Front piece", "Back", "\x8c\xe3\x82\xeb"};
constexpr int kRows = static_cast<int>(sizeof kNames / sizeof kNames[0]);

void SetTable(PluginGlobals* g, bool documentMode, const char* value) {
  VariableTable& t = g->variables;
  g->varTitlesValid = documentMode ? 1 : 0;
  std::strcpy(g->grading_title, "Front piece");
  for (int row = 0; row < kRows; ++row) {
    std::strcpy(t.varNames[row], kNames[row]);
    std::strcpy(t.varTitles[row], documentMode ? kTitles[row % 3] : "");
    std::strcpy(t.varValues[row], value);
    t.varPrivate[row] = static_cast<uint32_t>(row % 2);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static PluginGlobals* g = filefuzz::NewGlobals();
  gPlugin = g;
  if (size == 0) return 0;
  const bool documentMode = (data[0] & 1) != 0;
  const std::string path = filefuzz::Documents() + "/vars.csv";
  filefuzz::WriteBytes(path, data + 1, size - 1);
  SetTable(g, documentMode, "0");
  ReadVariablesCsv(path.c_str());
  std::string read;
  for (int row = 0; row < kRows; ++row) read.append(g->variables.varValues[row]).push_back('\0');
  if (WriteVariablesCsv(path.c_str()) != 1) __builtin_trap();
  const std::string written = filefuzz::ReadBytes(path);

  SetTable(g, documentMode, "other");
  ReadVariablesCsv(path.c_str());
  std::string again;
  for (int row = 0; row < kRows; ++row) again.append(g->variables.varValues[row]).push_back('\0');
  if (again != read) __builtin_trap();
  if (WriteVariablesCsv(path.c_str()) != 1 || filefuzz::ReadBytes(path) != written) __builtin_trap();
  return 0;
}
