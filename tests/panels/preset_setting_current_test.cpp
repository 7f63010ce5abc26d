// "Preset setting..." from the Information flyout: whatever the user removes,
// adds, drags or loads in the dialog, the preset that was current stays
// current; only when it is removed or disabled does the nearest enabled one
// below it, else above it, take over.
#include <filesystem>

#include "panels/inf_flyout_commands.h"
#include "panels/inf_flyout_scene.h"
#include "resources/preset_dialog_resources.h"

namespace vmtest {
namespace {

using vmwin::Click;
using vmwin::PickItem;

class PresetSettingTest : public InfFlyoutScene {
 protected:
  void TearDown() override {
    vmwin::ClearScript();
    InfFlyoutScene::TearDown();
  }
  // A click on the enable box at the right of a row.
  static vmwin::UserAction ToggleRow(int row) {
    return vmwin::Do([row](HWND d) {
      RECT rect{};
      SendMessage(GetDlgItem(d, kPresetList), LB_GETITEMRECT, static_cast<WPARAM>(row), (LPARAM)&rect);
      vmwin::PerformUserAction(d, vmwin::ClickItemAt(kPresetList, rect.right - 10, rect.top + 10));
    });
  }
  void WritePresetFile(const std::string& name, const std::string& content) const {
    const std::filesystem::path folder =
        std::filesystem::path(folders->documents()) / "Adobe" / "Illustrator" / "Prefs" / "Vestamark";
    std::filesystem::create_directories(folder);
    WriteHostFile((folder / (name + ".ini")).string(), content);
  }
};

TEST_F(PresetSettingTest, TheCurrentPresetStaysCurrentWhereverTheDialogMovesIt) {
  WritePresetFile("Tall", "grading_preset_01 = \"T-M\",1,1,1,1,1,0\r\ngrading_preset_02 = \"T-L\",1,1,1,2,1,0\r\n");
  const struct {
    const char* what;
    uint32_t current;  // the flyout item chosen first
    std::vector<vmwin::UserAction> steps;
    std::vector<std::string> items;
    int16_t scale;
    int nameDialog = 0;  // the name dialog the steps open, and the name typed there
    const char* name = "";
  } cases[] = {
      {"S removed: L stays", 14, {PickItem(kPresetList, 0), Click(kPresetRemoveButton)}, {"M", "L*", "LL"}, 2},
      {"LL dragged to the top: L stays", 14, {vmwin::DragItem(kPresetList, 3, 0)}, {"LL", "S", "M", "L*"}, 2},
      {"L renamed: it stays", 14, {vmwin::DoubleClickItem(kPresetList, 2)}, {"S", "M", "Large*", "LL"}, 2,
       kRenamePresetDialogResource, "Large"},
      {"L removed: M below takes over", 14, {PickItem(kPresetList, 2), Click(kPresetRemoveButton)},
       {"S", "M*", "LL"}, 1},
      {"L removed and XL added in its place: M below still takes over", 14,
       {PickItem(kPresetList, 2), Click(kPresetRemoveButton), PickItem(kPresetList, 2), Click(kPresetAddButton)},
       {"S", "M*", "XL", "LL"}, 1, kNewPresetDialogResource, "XL"},
      {"S removed while current: nothing below, M above takes over", 12,
       {PickItem(kPresetList, 0), Click(kPresetRemoveButton)}, {"M*", "L", "LL"}, 1},
      {"S disabled while current: nothing below, M above takes over", 12, {ToggleRow(0)}, {"M*", "L", "LL"}, 1},
      {"a preset file: its preset of the current scale index", 14,
       {vmwin::PickItemText(kPresetFileCombo, "Tall")}, {"T-M", "T-L*"}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    InModuleCall([] {
      PluginGlobals& g = *gPlugin;
      const char* names[] = {"S", "M", "L", "LL"};
      for (int slot = 0; slot < kMaxPresets; ++slot) g.presets[slot] = PresetRecord{{}, slot, 1, static_cast<int16_t>(slot > 3), 1};
      for (int slot = 0; slot < 4; ++slot) std::snprintf(g.presets[slot].name, kNameSize, "%s", names[slot]);
      g.presetFileName[0] = '\0';
      UpdateInfFlyoutState();
    });
    Choose(12);
    Choose(c.current);
    std::vector<vmwin::UserAction> steps = c.steps;
    steps.push_back(Click(IDOK));
    vmwin::ScriptDialog(kPresetConfigDialogResource, steps);
    if (c.nameDialog != 0)
      vmwin::ScriptDialog(c.nameDialog, {vmwin::SetText(kPresetNameEdit, c.name), vmwin::PressEnter()});
    Choose(7);
    EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u);
    EXPECT_EQ(PresetItems(), c.items);
    EXPECT_EQ(globals().currentScaleIndex, c.scale);
  }
}

}  // namespace
}  // namespace vmtest
