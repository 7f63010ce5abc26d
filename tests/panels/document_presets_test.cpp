// The sizes a piece was graded with travel with its document: opening the
// document brings them back into the flyout, whether or not a preset file was
// chosen when the piece was saved.
#include "panels/inf_flyout_commands.h"
#include "panels/inf_flyout_scene.h"

namespace vmtest {
namespace {

class DocumentPresetsTest : public InfFlyoutScene {
 protected:
  void SetPresets(const std::vector<std::pair<const char*, int>>& presets) {
    for (int slot = 0; slot < kMaxPresets; ++slot) {
      PresetRecord& p = globals().presets[slot];
      p = PresetRecord{};
      p.empty = slot >= static_cast<int>(presets.size());
      if (p.empty) continue;
      std::snprintf(p.name, sizeof p.name, "%s", presets[slot].first);
      p.scaleIndex = presets[slot].second;
      p.enabled = p.output = 1;
    }
    globals().currentPresetSlot = 0;
    InModuleCall([] { UpdateInfFlyoutState(); });
  }
  // The piece saved with the presets of the moment, and the document written.
  std::string SaveDocumentWithPiece(const char* name) {
    InModuleCall([&] { SaveGradingGroup(outlines.data(), 2, 0); });
    const std::string file = folders->root() + "/" + name;
    std::string error;
    EXPECT_TRUE(vmhost::SaveDocument(doc, file, &error)) << error;
    return file;
  }
  void Open(const std::string& file) {
    std::string error;
    ASSERT_NE(vmhost::OpenDocument(file, &error), nullptr) << error;
    ASSERT_EQ(TickOnce(), kNoErr);
  }
};

TEST_F(DocumentPresetsTest, OpeningADocumentBringsBackItsSizesThoughNoPresetFileWasChosen) {
  SetPresets({{"XS", 0}, {"M", 1}, {"XL", 5}});
  globals().presetFileName[0] = '\0';
  const std::string file = SaveDocumentWithPiece("sizes.svg");

  SetPresets({{"S", 0}, {"M", 1}, {"L", 2}, {"LL", 3}});  // what another document left
  Open(file);
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"XS*", "M", "XL"}));
  EXPECT_EQ(globals().presets[2].scaleIndex, 5);
  EXPECT_STREQ(globals().presetFileName, "");

  // A document that holds no sizes leaves them as they are.
  vmhost::NewDocument("Plain");
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"XS*", "M", "XL"}));
}

TEST_F(DocumentPresetsTest, ADocumentSavedWithAPresetFileStillBringsBackItsSizesAndTheFileName) {
  SetPresets({{"Kids 110", 0}, {"Kids 120", 1}});
  std::snprintf(globals().presetFileName, sizeof globals().presetFileName, "%s", "Kids");
  const std::string file = SaveDocumentWithPiece("kids.svg");
  SetPresets({{"S", 0}, {"M", 1}, {"L", 2}, {"LL", 3}});
  globals().presetFileName[0] = '\0';
  Open(file);
  EXPECT_EQ(PresetItems(), (std::vector<std::string>{"Kids 110*", "Kids 120"}));
  EXPECT_STREQ(globals().presetFileName, "Kids");
}

}  // namespace
}  // namespace vmtest
