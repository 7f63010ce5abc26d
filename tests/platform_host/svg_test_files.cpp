#include "svg_test_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vmtest {

std::string SvgDataPath(const std::string& name) {
  const char* data = std::getenv("VESTAMARK_TEST_DATA");
  return std::string(data != nullptr ? data : "tests/data") + "/svg/" + name;
}

std::string ScratchPath(const std::string& name) {
  return ::testing::TempDir() + "/vm_svg_" + std::to_string(::getpid()) + "_" + name;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteWholeText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

}  // namespace vmtest
