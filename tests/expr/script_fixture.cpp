#include "expr/script_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "expr/script.h"
#include "expr/script_globals.h"
#include "host/host_driver.h"
#include "host_suite_tables.h"

void ScriptTest::SetUp() {
  HostTest::SetUp();
  gPlugin = NewScriptGlobals();
  gPlugin->envHandleSlot = 0xFFFFFFFF;
  ASSERT_EQ(AcquireSuites(&gBasicSuite), kNoErr);
}

void ScriptTest::TearDown() {
  ReleaseSuites(&gBasicSuite);
  DeleteScriptGlobals(gPlugin);
  gPlugin = nullptr;
  HostTest::TearDown();
}

std::string ScriptTest::Run(const std::string& text) {
  char result[kScriptValueSize];
  RunScript(text.c_str(), result, 0);
  return result;
}

std::string ScriptTest::RunReported(const std::string& text) {
  char result[kScriptValueSize] = "stale";
  RunScript(text.c_str(), result, 1);
  return result;
}

void ScriptTest::ExpectValues(const std::vector<ScriptCase>& cases) {
  for (const ScriptCase& c : cases) {
    EXPECT_EQ(Run(c.text), c.result) << c.text;
    EXPECT_EQ(errorCode(), 0) << c.text;
  }
}

void ScriptTest::SetVariable(int row, const std::string& name, const std::string& value) {
  std::snprintf(gPlugin->variables.varNames[row], kVarNameSize, "%s", name.c_str());
  std::snprintf(gPlugin->variables.varValues[row], kVarValueSize, "%s", value.c_str());
}

ArtHandle ScriptTest::AddLayerGroup(const std::string& title) {
  LayerHandle layer = vmhost::AddLayer(title.c_str(), false);
  ArtHandle group = nullptr;
  sAILayer->GetFirstArtOfLayer(layer, &group);
  return group;
}

void ScriptTest::SetTag(ArtHandle art, const std::string& key, const std::string& value) {
  ASSERT_EQ(sAITag->SetTag(art, key.c_str(), value.c_str()), kNoErr);
}

ArtHandle ScriptTest::AddTitledPiece(ArtHandle parent, const std::string& title,
                                     const std::vector<std::pair<std::string, std::string>>& variables) {
  ArtHandle piece = vmhost::AddPolyline(parent, {{0, 0}, {100, 0}, {100, 100}}, true);
  SetTag(piece, "vmk_grading_title", title);
  char key[64];
  for (size_t row = 0; row < variables.size(); ++row) {
    std::snprintf(key, sizeof key, "vmk_grading_var_name_%03zu", row);
    SetTag(piece, key, variables[row].first);
    const std::string& value = variables[row].second;
    for (size_t chunk = 0; chunk * 128 < value.size(); ++chunk) {
      std::snprintf(key, sizeof key, "vmk_grading_var_value_%03zu%03zu", row, chunk);
      SetTag(piece, key, value.substr(chunk * 128, 128));
    }
  }
  return piece;
}

std::vector<std::string> ScriptTest::alerts() const {
  std::vector<std::string> texts;
  for (const AlertRecord& alert : vmhost::Alerts()) {
    if (alert.kind == "message") texts.push_back(alert.text);
  }
  return texts;
}
