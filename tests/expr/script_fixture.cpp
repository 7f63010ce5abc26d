#include "expr/script_fixture.h"

#include <cstdlib>
#include <cstring>

#include "expr/script.h"
#include "shell/suite_pointers.h"

namespace {

std::vector<std::string> gAlerts;
std::vector<std::unique_ptr<FakeLayer>>* gLayers = nullptr;

FakeArt* ArtOf(ArtHandle art) { return reinterpret_cast<FakeArt*>(art); }
ArtHandle HandleOf(FakeArt* art) { return reinterpret_cast<ArtHandle>(art); }

HostErr NewFromCodePage(const char* text, int32_t, UnicodeStringHandle* str) {
  *str = reinterpret_cast<UnicodeStringHandle>(new std::string(text));
  return kNoErr;
}
HostErr GetCodePageText(UnicodeStringHandle str, int32_t, char* out, size_t size) {
  std::snprintf(out, size, "%s", reinterpret_cast<std::string*>(str)->c_str());
  return kNoErr;
}
HostErr Dispose(UnicodeStringHandle str) {
  delete reinterpret_cast<std::string*>(str);
  return kNoErr;
}
HostErr MessageAlert(UnicodeStringHandle text) {
  gAlerts.push_back(*reinterpret_cast<std::string*>(text));
  return kNoErr;
}

HostErr CountLayers(int32_t* count) {
  *count = static_cast<int32_t>(gLayers->size());
  return kNoErr;
}
HostErr GetNthLayer(int32_t n, LayerHandle* layer) {
  if (n < 0 || n >= static_cast<int32_t>(gLayers->size())) return kOutOfRangeErr;
  *layer = reinterpret_cast<LayerHandle>((*gLayers)[n].get());
  return kNoErr;
}
HostErr GetLayerTitle(LayerHandle layer, UnicodeStringHandle* title) {
  return NewFromCodePage(reinterpret_cast<FakeLayer*>(layer)->title.c_str(), 932, title);
}
HostErr GetFirstArtOfLayer(LayerHandle layer, ArtHandle* art) {
  *art = HandleOf(&reinterpret_cast<FakeLayer*>(layer)->group);
  return kNoErr;
}
HostErr GetArtType(ArtHandle art, int16_t* type) {
  *type = ArtOf(art)->type;
  return kNoErr;
}
HostErr GetArtFirstChild(ArtHandle art, ArtHandle* child) {
  FakeArt* a = ArtOf(art);
  *child = a->children.empty() ? nullptr : HandleOf(a->children.front().get());
  return kNoErr;
}
HostErr GetArtSibling(ArtHandle art, ArtHandle* sibling) {
  *sibling = HandleOf(ArtOf(art)->next);
  return kNoErr;
}
HostErr GetTag(ArtHandle art, const char* name, const char** value) {
  auto& tags = ArtOf(art)->tags;
  auto found = tags.find(name);
  if (found == tags.end()) return kNotFoundErr;
  *value = found->second.c_str();
  return kNoErr;
}

AIUnicodeStringSuite gUnicode = {NewFromCodePage, nullptr, GetCodePageText, nullptr, Dispose};
AIUserSuite gUser = {MessageAlert, nullptr, nullptr, nullptr};
AILayerSuite gLayer = {};
AIArtSuite gArt = {};
AITagSuite gTag = {};

}  // namespace

FakeArt* FakeArt::Add(int16_t childType) {
  children.push_back(std::make_unique<FakeArt>());
  FakeArt* child = children.back().get();
  child->type = childType;
  if (children.size() > 1) children[children.size() - 2]->next = child;
  return child;
}

void ScriptTest::SetUp() {
  globals_ = static_cast<PluginGlobals*>(std::calloc(1, sizeof(PluginGlobals)));
  gPlugin = globals_;
  VariableTable& table = gPlugin->variables;
  table.varValues = static_cast<char(*)[kVarValueSize]>(std::calloc(kMaxVariables, kVarValueSize));
  table.varNames = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  table.varTitles = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  table.varPrivate = static_cast<uint32_t*>(std::calloc(kMaxVariables, sizeof(uint32_t)));
  gPlugin->unitPerPoint = 0.35277777777777775;  // mm
  gPlugin->grading_compscale = 1.0;
  gPlugin->envHandleSlot = 0xFFFFFFFF;

  gAlerts.clear();
  gLayers = &layers_;
  gLayer.CountLayers = CountLayers;
  gLayer.GetNthLayer = GetNthLayer;
  gLayer.GetLayerTitle = GetLayerTitle;
  gLayer.GetFirstArtOfLayer = GetFirstArtOfLayer;
  gArt.GetArtType = GetArtType;
  gArt.GetArtFirstChild = GetArtFirstChild;
  gArt.GetArtSibling = GetArtSibling;
  gTag.GetTag = GetTag;
  sAIUnicodeString = &gUnicode;
  sAIUser = &gUser;
  sAILayer = &gLayer;
  sAIArt = &gArt;
  sAITag = &gTag;
}

void ScriptTest::TearDown() {
  sAIUnicodeString = nullptr;
  sAIUser = nullptr;
  sAILayer = nullptr;
  sAIArt = nullptr;
  sAITag = nullptr;
  gLayers = nullptr;
  VariableTable& table = gPlugin->variables;
  std::free(table.varValues);
  std::free(table.varNames);
  std::free(table.varTitles);
  std::free(table.varPrivate);
  std::free(globals_);
  gPlugin = nullptr;
}

std::string ScriptTest::Run(const std::string& text) {
  char result[kScriptValueSize];
  RunScript(text.c_str(), result, 0);
  return result;
}

std::string ScriptTest::RunReported(const std::string& text) {
  char result[kScriptValueSize];
  std::memset(result, 'x', sizeof result);
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

FakeLayer* ScriptTest::AddLayer(const std::string& title) {
  layers_.push_back(std::make_unique<FakeLayer>());
  layers_.back()->title = title;
  return layers_.back().get();
}

FakeArt* ScriptTest::AddTitledPiece(FakeArt* parent, const std::string& title,
                                    const std::vector<std::pair<std::string, std::string>>& variables) {
  FakeArt* piece = parent->Add(kPathArt);
  piece->tags["vmk_grading_title"] = title;
  char key[64];
  for (size_t row = 0; row < variables.size(); ++row) {
    std::snprintf(key, sizeof key, "vmk_grading_var_name_%03zu", row);
    piece->tags[key] = variables[row].first;
    const std::string& value = variables[row].second;
    for (size_t chunk = 0; chunk * 128 < value.size(); ++chunk) {
      std::snprintf(key, sizeof key, "vmk_grading_var_value_%03zu%03zu", row, chunk);
      piece->tags[key] = value.substr(chunk * 128, 128);
    }
  }
  return piece;
}

const std::vector<std::string>& ScriptTest::alerts() const { return gAlerts; }
