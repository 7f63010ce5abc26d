// A plug-in globals record with its variable table, and a small document of
// layers, art and tags behind the host suites the expression language uses.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/plugin_globals.h"

struct FakeArt {
  int16_t type = kGroupArt;
  std::map<std::string, std::string> tags;
  std::vector<std::unique_ptr<FakeArt>> children;
  FakeArt* next = nullptr;

  FakeArt* Add(int16_t childType);
};

struct FakeLayer {
  std::string title;
  FakeArt group;
};

struct ScriptCase {
  std::string text;
  std::string result;
};

class ScriptTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Result text of RunScript with report 0, and the error it left.
  std::string Run(const std::string& text);
  std::string RunReported(const std::string& text);
  // Each text gives its result without an error.
  void ExpectValues(const std::vector<ScriptCase>& cases);
  void SetVariable(int row, const std::string& name, const std::string& value);
  FakeLayer* AddLayer(const std::string& title);
  // A piece titled `title` in parent, with variables stored as tags (values
  // cut into 128-byte chunks).
  FakeArt* AddTitledPiece(FakeArt* parent, const std::string& title,
                          const std::vector<std::pair<std::string, std::string>>& variables);

  const std::vector<std::string>& alerts() const;
  int32_t errorCode() const { return gPlugin->scriptError.code; }
  std::string errorToken() const { return gPlugin->scriptError.token; }

  std::vector<std::unique_ptr<FakeLayer>> layers_;

 private:
  PluginGlobals* globals_ = nullptr;
};
