// Tools, menus and notifiers the module registers, and how tool messages and
// menu choices reach it.
#include <string>
#include <vector>

#include "host_model.h"
#include "host_suite_tables.h"
#include "shell/tool_dispatch.h"
#include "support/module_fixture.h"
#include "win_api.h"

using namespace vmtest;

namespace {

using RegistrationTest = ModuleTest;

// Japanese title bases in code page 932, in registration order.
const char* const kJapaneseTitles[] = {
    "\x8b\x97\x97\xa3\x95\xe2\x90\xb3",  // distance
    "\x92\xb7\x82\xb3\x95\xe2\x90\xb3",  // length
    "\x89~\x8c\xca\x95\xe2\x90\xb3",     // arc
    "\x8a"
    "p\x93x\x95\xe2\x90\xb3",  // angle
    "\x83|\x83"
    "C\x83\x93\x83g\x95\xe2\x90\xb3",  // point
    "\x8cv\x91\xaa",                   // measurement
};

std::vector<HostTool*> ModuleTools() {
  std::vector<HostTool*> tools;
  for (auto& t : gHost.tools) tools.push_back(t.get());
  return tools;
}

TEST_F(RegistrationTest, JapaneseToolsAreRegisteredInOrderInOneGroup) {
  std::vector<HostTool*> tools = ModuleTools();
  ASSERT_EQ(tools.size(), 6u);
  for (size_t i = 0; i < tools.size(); ++i) {
    EXPECT_EQ(tools[i]->title, std::string(kJapaneseTitles[i]) + "_Vestamark") << i;
    EXPECT_EQ(tools[i]->tooltip, kJapaneseTitles[i]) << i;
    EXPECT_EQ(tools[i]->options, 0xB);
    EXPECT_EQ(tools[i]->sameGroupAs, i == 0 ? kNoTool : tools[0]->number);
    EXPECT_EQ(tools[i]->sameToolsetAs, i == 0 ? kNoTool : tools[0]->number);
  }
  const int icons[][2] = {{16252, 16352}, {16253, 16353}, {16259, 16359},
                          {16260, 16360}, {16254, 16354}, {16258, 16358}};
  for (size_t i = 0; i < tools.size(); ++i) {
    EXPECT_EQ(tools[i]->iconId, icons[i][0]);
    EXPECT_EQ(tools[i]->darkIconId, icons[i][1]);
  }
}

TEST_F(RegistrationTest, EachToolRoutesToItsRevisionToolIndex) {
  // Registration order distance, length, arc, angle, point, measurement.
  const int16_t expected[] = {1, 2, 5, 6, 3, 4};
  const int slots[] = {1, 2, 6, 4, 3, 5};
  std::vector<HostTool*> tools = ModuleTools();
  for (size_t i = 0; i < tools.size(); ++i) {
    EXPECT_EQ(globals().toolHandles[slots[i]], tools[i]) << i;
    EXPECT_EQ(RevisionToolIndexOf(tools[i]), expected[i]) << i;
  }
  EXPECT_EQ(RevisionToolIndexOf(nullptr), 0);
}

TEST_F(RegistrationTest, TheSameCursorPointTwiceDoesNothingTheSecondTime) {
  ASSERT_EQ(vmhost::SelectTool(ModuleTools()[0]), kNoErr);
  vmhost::TrackCursor({10, 20}, kModShift);
  EXPECT_EQ(globals().tracking.lastCursor.h, 10);
  EXPECT_EQ(globals().tracking.modifiers, static_cast<int16_t>(kModShift));
  globals().tracking.cursor = {99, 99};  // as a snap would move it
  EXPECT_EQ(vmhost::TrackCursor({10, 20}, kModOption), kNoErr);
  EXPECT_EQ(globals().tracking.cursor.h, 99);
  EXPECT_EQ(globals().tracking.modifiers, static_cast<int16_t>(kModShift));
  vmhost::MouseDrag({11, 20}, kModOption);
  EXPECT_EQ(globals().tracking.lastCursor.h, 11);
  EXPECT_EQ(globals().tracking.modifiers, static_cast<int16_t>(kModOption));
}

TEST_F(RegistrationTest, MouseDownKeepsTheDoubleClickAndThePointAndResetsTheDragOffset) {
  ASSERT_EQ(vmhost::SelectTool(ModuleTools()[1]), kNoErr);
  globals().dragDelta = {5, 5};
  globals().mouseDown.pressState = 7;
  vmhost::MouseDown({3, 4}, kModDoubleClick);
  EXPECT_EQ(globals().mouseDown.doubleClick, 1);
  EXPECT_EQ(globals().mouseDown.pressState, 0u);
  EXPECT_EQ(globals().mouseDown.point.v, 4);
  EXPECT_EQ(globals().dragDelta.h, 0);
  const double before = globals().simpleDrag.divider2.v;
  vmhost::MouseDown({6, 7}, 0);
  EXPECT_EQ(globals().mouseDown.doubleClick, 0);
  EXPECT_EQ(globals().simpleDrag.divider2.v, before);
}

TEST_F(RegistrationTest, SelectAndDeselectKeepTheBookkeeping) {
  globals().varTitlesValid = 1;
  globals().selectionSignature = {nullptr, 3, 12};
  ASSERT_EQ(vmhost::SelectTool(ModuleTools()[2]), kNoErr);
  EXPECT_EQ(globals().varTitlesValid, 0);
  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  EXPECT_EQ(globals().selectionSignature.pathCount, 0);
  EXPECT_EQ(globals().selectionSignature.segmentCount, 0);
}

// Menus: the group with both panel items, and the About item.
std::vector<std::string> ItemsOfGroup(const char* group) {
  std::vector<std::string> names;
  for (auto& item : gHost.menuItems) {
    if (item->group == group) names.push_back(item->name);
  }
  return names;
}

int GroupsNamed(const char* name) {
  int n = 0;
  for (auto& g : gHost.menuGroups) n += g->name == name;
  return n;
}

TEST_F(RegistrationTest, MenusHangUnderToolPalettesAndAbout) {
  EXPECT_EQ(ItemsOfGroup("Tool Palettes"), (std::vector<std::string>{"Vestamark Group"}));
  EXPECT_EQ(ItemsOfGroup("Vestamark Group"),
            (std::vector<std::string>{"Vestamark_INF Group", "Vestamark_VAR Group"}));
  EXPECT_EQ(ItemsOfGroup("About"), (std::vector<std::string>{"QV_PLUGINS_ABOUT"}));
  EXPECT_EQ(ItemsOfGroup("QV_PLUGINS_ABOUT"), (std::vector<std::string>{"QV_PLUGINS_ABOUT_Vestamark"}));
  EXPECT_EQ(GroupsNamed("QV_PLUGINS_ABOUT"), 1);
  EXPECT_EQ(globals().aboutMenuItem, vmhost::FindMenuItem("QV_PLUGINS_ABOUT_Vestamark"));
}

// The texts the user reads in the menus, and what the module asked the host to tell it.
TEST_F(RegistrationTest, MenuTextsOptionsAndNotifications) {
  const struct {
    const char* item;
    std::u16string text;
    int32_t options;
  } items[] = {{"Vestamark Group", u"Vestamark", 0},
               {"Vestamark_INF Group", u"Information", 1},
               {"Vestamark_VAR Group", u"Variable", 1},
               {"QV_PLUGINS_ABOUT", u"About Plug-ins (QUORVEL INC.)", 0},
               {"QV_PLUGINS_ABOUT_Vestamark", u"Vestamark...", 0}};
  for (const auto& c : items) {
    const MenuItemHandle item = vmhost::FindMenuItem(c.item);
    ASSERT_NE(item, nullptr) << c.item;
    EXPECT_EQ(item->text, c.text) << c.item;
    EXPECT_EQ(item->options, c.options) << c.item;
  }
  for (auto& group : gHost.menuGroups) {
    if (group->name == "Vestamark Group") {
      EXPECT_EQ(group->options, 0);
    }
    if (group->name == "QV_PLUGINS_ABOUT") {
      EXPECT_EQ(group->options, 1);
    }
  }
  std::vector<std::pair<std::string, std::string>> notifiers;
  for (auto& n : gHost.notifiers) notifiers.emplace_back(n->name, n->type);
  EXPECT_EQ(notifiers, (std::vector<std::pair<std::string, std::string>>{
                           {"Vestamark_NOTIFIER_A", "AI Application Started Notifier"},
                           {"Vestamark_NOTIFIER_B", "AI Document Changed Notifier"}}));
}

class AboutGroupTest : public ModuleTest {
 protected:
  AboutGroupTest() { startModule = false; }
};

TEST_F(AboutGroupTest, AGroupMadeByAnotherModuleIsJoinedNotMadeAgain) {
  PluginRef other = vmhost::AddPlugin("Other", [](const char*, const char*, void*) { return kNoErr; });
  MenuItemHandle item = nullptr;
  MenuGroupHandle group = nullptr;
  ASSERT_EQ(kMenuSuite.AddMenuItem(other, "QV_PLUGINS_ABOUT", "About", nullptr, 0, &item), kNoErr);
  ASSERT_EQ(kMenuSuite.AddMenuGroupAsSubMenu("QV_PLUGINS_ABOUT", 1, item, &group), kNoErr);
  ASSERT_EQ(StartModule(), kNoErr);
  EXPECT_EQ(GroupsNamed("QV_PLUGINS_ABOUT"), 1);
  EXPECT_EQ(ItemsOfGroup("About").size(), 1u);
  EXPECT_EQ(ItemsOfGroup("QV_PLUGINS_ABOUT"), (std::vector<std::string>{"QV_PLUGINS_ABOUT_Vestamark"}));
}

TEST_F(RegistrationTest, PanelItemsFollowThePanelsShownState) {
  PanelHandle inf = nullptr;
  PanelHandle var = nullptr;
  ASSERT_EQ(kPanelSuite.Create(module, "inf", nullptr, 1, 10, 10, 1, nullptr, &inf), kNoErr);
  ASSERT_EQ(kPanelSuite.Create(module, "var", nullptr, 1, 10, 10, 1, nullptr, &var), kNoErr);
  globals().infPanel = inf;
  globals().varPanel = var;
  kPanelSuite.Show(inf, 1);
  ASSERT_EQ(vmhost::MenuUpdate(globals().infMenuItem), kNoErr);
  EXPECT_TRUE(globals().infMenuItem->checked);
  EXPECT_FALSE(globals().varMenuItem->checked);

  vmhost::MenuGo(globals().infMenuItem);
  vmhost::MenuGo(globals().varMenuItem);
  vmhost::MenuUpdate(globals().varMenuItem);
  EXPECT_FALSE(globals().infMenuItem->checked);
  EXPECT_TRUE(globals().varMenuItem->checked);
  // Shut-down destroys the panels it knows.
  ASSERT_EQ(StopModule(), kNoErr);
  EXPECT_FALSE(inf->alive);
  EXPECT_FALSE(var->alive);
}

// A panel whose window was never subclassed keeps its own procedure to the end.
TEST_F(RegistrationTest, ShutDownRestoresOnlyAProcedureThatWasSaved) {
  static int destroyedSeen = 0;
  destroyedSeen = 0;
  PanelHandle inf = nullptr;
  ASSERT_EQ(kPanelSuite.Create(module, "inf", nullptr, 1, 10, 10, 1, nullptr, &inf), kNoErr);
  // It takes the place of the module's own panel, which was subclassed.
  globals().infPanel = inf;
  globals().infPanelState.savedWndProc = nullptr;
  HWND window = inf->window;
  ASSERT_NE(window, nullptr);
  SetWindowLongPtr(window, GWLP_WNDPROC,
                   reinterpret_cast<LONG_PTR>(+[](HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
                     if (message == WM_DESTROY) ++destroyedSeen;
                     return DefWindowProc(w, message, wParam, lParam);
                   }));
  ASSERT_EQ(globals().infPanelState.savedWndProc, nullptr);
  ASSERT_EQ(StopModule(), kNoErr);
  EXPECT_EQ(destroyedSeen, 1);
  EXPECT_FALSE(inf->alive);
}

}  // namespace
