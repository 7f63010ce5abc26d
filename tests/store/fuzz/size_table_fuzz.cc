// libFuzzer target: any bytes as a size-table file. What the reader took is
// written, read again and written again: the table is the same to the bit,
// the second file is the first to the byte, and it reads whole.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "file_fuzz.h"
#include "store/size_table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static PluginGlobals* g = filefuzz::NewGlobals();
  static SizeTableRow defaults[kSizeTableRows];
  static const bool kept = (std::memcpy(defaults, g->sizeTable, sizeof defaults), true);
  (void)kept;
  gPlugin = g;
  const std::string path = filefuzz::PrefsFile("Vestamark/SizeTable/T.ini");
  filefuzz::WriteBytes(path, data, size);
  std::memcpy(g->sizeTable, defaults, sizeof defaults);
  ReadSizeTableFile("T");
  SizeTableRow read[kSizeTableRows];
  std::memcpy(read, g->sizeTable, sizeof read);
  if (WriteSizeTableFile("T") != 1) __builtin_trap();
  const std::string written = filefuzz::ReadBytes(path);

  std::remove((path + ".bak").c_str());
  std::memcpy(g->sizeTable, defaults, sizeof defaults);
  ReadSizeTableFile("T");
  if (filefuzz::Exists(path + ".bak")) __builtin_trap();
  if (std::memcmp(read, g->sizeTable, sizeof read) != 0) __builtin_trap();
  if (WriteSizeTableFile("T") != 1 || filefuzz::ReadBytes(path) != written) __builtin_trap();
  return 0;
}
