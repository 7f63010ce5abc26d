// A started module with one document whose art the store tests build, and the
// module's suites held so the tests can call store functions directly.
#pragma once

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/module_suites.h"
#include "support/module_fixture.h"

namespace vmtest {

class StoreScene : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    suites_ = std::make_unique<ModuleSuites>();
    ASSERT_EQ(suites_->result, kNoErr);
  }
  void TearDown() override {
    SetPiece({});
    suites_.reset();
    ModuleTest::TearDown();
  }

  // The layer group of a layer (null: the current one).
  static ArtHandle LayerGroup(LayerHandle layer = nullptr) {
    if (layer == nullptr) sAILayer->GetCurrentLayer(&layer);
    ArtHandle group = nullptr;
    sAILayer->GetFirstArtOfLayer(layer, &group);
    return group;
  }
  static ArtHandle Rect(ArtHandle parent, double left, double bottom, double right, double top) {
    return vmhost::AddPolyline(parent, {{left, bottom}, {right, bottom}, {right, top}, {left, top}}, true);
  }

  // Makes the arts the current piece, as the selection gathering does.
  void SetPiece(const std::vector<ArtHandle>& arts) {
    std::free(globals().pieceArts);
    globals().pieceArts = nullptr;
    globals().pieceArtCount = 0;
    if (arts.empty()) return;
    globals().pieceArts = static_cast<ArtHandle*>(std::malloc(arts.size() * sizeof(ArtHandle)));
    std::memcpy(globals().pieceArts, arts.data(), arts.size() * sizeof(ArtHandle));
    globals().pieceArtCount = static_cast<int32_t>(arts.size());
  }

  // A file under the user's Prefs folder ("Vestamark.ini", "Vestamark/Winter.ini"), its folder made.
  std::string PrefsFile(const std::string& relative) const {
    const std::string path = folders->documents() + "/Adobe/Illustrator/Prefs/" + relative;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return path;
  }

  void SetVariable(int row, const char* name, const std::string& value, uint32_t isPrivate = 0,
                   const char* title = "") {
    std::strcpy(globals().variables.varNames[row], name);
    std::strcpy(globals().variables.varValues[row], value.c_str());
    std::strcpy(globals().variables.varTitles[row], title);
    globals().variables.varPrivate[row] = isPrivate;
  }

 private:
  std::unique_ptr<ModuleSuites> suites_;
};

}  // namespace vmtest
