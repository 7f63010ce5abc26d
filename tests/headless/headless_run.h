// Runs the vestamark-host program the way a person does from a shell, in a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/host_driver.h"
#include "support/win_temp_folders.h"
#include "win/win_driver.h"

namespace vmtest {

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ProgramPath();
// The example pattern and its session in the source tree.
std::string ExamplePatternPath();
std::string ExampleSessionPath();
// Any file of the examples folder, or of the source tree.
std::string ExampleFile(const std::string& name);
std::string SourceFile(const std::string& relative);
// Files the program left beside its outputs while writing them.
std::vector<std::string> LeftOvers(const std::string& folder);

// A document the program wrote, read back in a fresh host.
struct OpenedDocument {
  explicit OpenedDocument(const std::string& path) {
    vmhost::ResetHost();
    doc = vmhost::OpenDocument(path, &error);
  }
  ~OpenedDocument() {
    vmhost::ResetHost();
    vmwin::ResetWindowsLayer();
  }
  DocumentHandle doc = nullptr;
  std::string error;
};

class HeadlessTest : public ::testing::Test {
 protected:
  void SetUp() override { folder = std::make_unique<TempUserFolders>(); }

  // A file in the test's folder.
  std::string Path(const std::string& name) const { return folder->root() + "/" + name; }
  std::string Write(const std::string& name, const std::string& text) const;
  // vestamark-host with these arguments (quoted for the shell), after `shell` (e.g. limits) in its shell.
  ProgramRun Host(const std::vector<std::string>& args, const std::string& shell = "") const;
  // The example pattern, a session text, and the output in the test's folder.
  ProgramRun Grade(const std::string& session, const std::string& document = ExamplePatternPath()) const;

  std::unique_ptr<TempUserFolders> folder;
};

}  // namespace vmtest
