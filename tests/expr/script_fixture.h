// A document in the stand-in host, the module's suites held, and a plug-in
// globals record with its variable table.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/plugin_globals.h"
#include "support/host_fixture.h"

struct ScriptCase {
  std::string text;
  std::string result;
};

class ScriptTest : public vmtest::HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Result text of RunScript with report 0; the error stays for errorCode().
  std::string Run(const std::string& text);
  std::string RunReported(const std::string& text);
  // Each text gives its result without an error.
  void ExpectValues(const std::vector<ScriptCase>& cases);
  void SetVariable(int row, const std::string& name, const std::string& value);

  // A layer below the others, and its layer group.
  ArtHandle AddLayerGroup(const std::string& title);
  // A path titled `title` in parent, with variables stored as the grading
  // group's tags (values cut into 128-byte chunks).
  ArtHandle AddTitledPiece(ArtHandle parent, const std::string& title,
                           const std::vector<std::pair<std::string, std::string>>& variables);
  void SetTag(ArtHandle art, const std::string& key, const std::string& value);

  // Texts of the message alerts shown so far.
  std::vector<std::string> alerts() const;
  int32_t errorCode() const { return gPlugin->scriptError.code; }
  std::string errorToken() const { return gPlugin->scriptError.token; }
};
