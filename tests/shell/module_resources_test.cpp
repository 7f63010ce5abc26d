// The module's resources are there from start-up, and the two dialogs that
// keep named files share one "Save As..." name dialog and one set of command rows.
#include <string>
#include <vector>

#include "host_model.h"
#include "panels/preset_config_dialog.h"
#include "simple_grading/simple_grading_dialogs.h"
#include "simple_grading/simple_grading_feedback.h"
#include "tools/tool_utilities.h"
#include "support/module_fixture.h"
#include "win_driver.h"

using namespace vmtest;

namespace {

using ModuleResourcesTest = ModuleTest;

std::string ItemText(HWND dialog, int id) {
  char text[256] = {};
  GetDlgItemText(dialog, id, text, sizeof text);
  return text;
}

std::string Title(HWND dialog) {
  char text[256] = {};
  GetWindowText(dialog, text, sizeof text);
  return text;
}

// The rows of a file combo from its "-" on.
std::vector<std::string> CommandRows(HWND dialog, int combo) {
  std::vector<std::string> rows;
  const int count = static_cast<int>(SendDlgItemMessage(dialog, combo, CB_GETCOUNT, 0, 0));
  for (int i = count < 4 ? 0 : count - 4; i < count; ++i) {
    char text[256] = {};
    SendDlgItemMessage(dialog, combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    rows.push_back(text);
  }
  return rows;
}

TEST_F(ModuleResourcesTest, EveryDialogAndTextIsThereFromStartUpInBothLanguages) {
  HINSTANCE instance = ModuleInstanceOf(module);
  const int dialogs[] = {16061, 16062, 16063, 16064, 16070, 16150, 16153, 16154, 16155, 16157,
                         16158, 16159, 16160, 16161, 16162, 16163, 16164, 16165, 16166, 16167};
  for (int id : dialogs) {
    EXPECT_NE(FindModuleResource(instance, RT_DIALOG, id), nullptr) << id;
    EXPECT_NE(FindModuleResource(instance, RT_DIALOG, id + 1000), nullptr) << id + 1000;
  }
  const struct {
    UINT id;
    const char* text;  // null: any text
  } strings[] = {{16175, "-"},
                 {16176, "\225\333\221\266"},                             // "保存"
                 {16177, "\225\312\226\274\202\305\225\333\221\266..."},  // "別名で保存..."
                 {16178, "\215\355\217\234"},                             // "削除"
                 {17175, "-"},
                 {17176, "Save"},
                 {17177, "Save As..."},
                 {17178, "Delete"},
                 {16071, nullptr},
                 {17074, "Grading direction"}};
  for (const auto& [id, expected] : strings) {
    char text[64] = {};
    EXPECT_GT(LoadString(instance, id, text, sizeof text), 0) << id;
    if (expected != nullptr) {
      EXPECT_STREQ(text, expected) << id;
    }
  }
}

// What the user saw of a file dialog's combo and of the name dialog its
// "Save As..." row opened.
struct SaveAsSeen {
  std::vector<std::string> commands;
  std::string title;
  std::string label;
  std::string proposal;
};

TEST_F(ModuleResourcesTest, PresetAndSizeTableDialogsAskForANewNameInTheSameDialog) {
  struct Case {
    int16_t language;
    std::vector<std::string> commands;
    const char* title;
    const char* label;
    const char* proposal;
  } cases[] = {
      // "保存", "別名で保存...", "削除", "設定の名称：", "カスタム-1"
      {0,
       {"-", "\225\333\221\266", "\225\312\226\274\202\305\225\333\221\266...", "\215\355\217\234"},
       "\225\333\221\266",
       "\220\335\222\350\202\314\226\274\217\314\201F",
       "\203J\203X\203^\203\200-1"},
      {1, {"-", "Save", "Save As...", "Delete"}, "Save File As", "Preset Name :", "Custom-1"},
  };
  for (const Case& c : cases) {
    globals().language = c.language;
    const int english = c.language != 0 ? 1000 : 0;
    const std::string saveAs = c.commands[2];
    // The preset configuration dialog first, then the size table dialog, each
    // cancelling the name dialog and then itself.
    struct Opened {
      int dialog, combo;
    } opened[] = {{16161 + english, 8}, {16163 + english, 4}};
    SaveAsSeen seen[2];
    for (int k = 0; k < 2; ++k) {
      SaveAsSeen* s = &seen[k];
      const int combo = opened[k].combo;
      vmwin::ScriptDialog(opened[k].dialog,
                          {vmwin::Do([s, combo](HWND d) { s->commands = CommandRows(d, combo); }),
                           vmwin::PickItemText(combo, saveAs), vmwin::Click(IDCANCEL)});
      vmwin::ScriptDialog(16061 + english, {vmwin::Do([s](HWND d) {
                                              s->title = Title(d);
                                              s->label = ItemText(d, 4);
                                              s->proposal = ItemText(d, 3);
                                            }),
                                            vmwin::Click(IDCANCEL)});
    }
    InModuleCall([&] {
      EXPECT_EQ(RunPresetManagerDialog(globals().pluginRef), IDCANCEL);
      EXPECT_EQ(RunSimpleGradingDialog(ModuleInstanceOf(module), 16163 + english), IDCANCEL);
    });
    EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u);
    for (const SaveAsSeen& s : seen) {
      EXPECT_EQ(s.commands, c.commands);
      EXPECT_EQ(s.title, c.title);
      EXPECT_EQ(s.label, c.label);
      EXPECT_EQ(s.proposal, c.proposal);
    }
  }
}

}  // namespace

// Every cursor a revision tool or a simple-grading tool can ask for is a resource.
TEST_F(ModuleResourcesTest, EveryCursorTheToolsChooseExists) {
  HINSTANCE instance = ModuleInstanceOf(module);
  for (int16_t kind = 0; kind <= 10; ++kind)
    EXPECT_NE(FindModuleResource(instance, RT_CURSOR, CursorIdForSnapKind(kind)), nullptr) << kind;
  for (int16_t state = 0; state <= 30; ++state)
    EXPECT_NE(FindModuleResource(instance, RT_CURSOR, SimpleGradingCursorId(state)), nullptr) << state;
}
