// The driver sends the messages a host sends: start-up, tools, timers,
// notifications, actions played back into the plug-in within the same call.
#include "support/host_fixture.h"

using namespace vmtest;

namespace {

class DriverTest : public HostTest {
 protected:
  ToolHandle AddTestTool(const char* title) {
    ToolData data{title, title, 1, 2, kNoTool, kNoTool};
    ToolHandle tool = nullptr;
    EXPECT_EQ(kToolSuite.AddTool(plugin, title, &data, 0xB, &tool), kNoErr);
    return tool;
  }
  std::vector<std::string> seen;
};

TEST_F(DriverTest, ToolMessagesCarryTheToolCursorAndModifiers) {
  ToolHandle first = AddTestTool("First_Vestamark");
  ToolHandle second = AddTestTool("Second_Vestamark");
  int32_t number = 0;
  ASSERT_EQ(kToolSuite.GetToolNumberFromName("First_Vestamark", &number), kNoErr);
  EXPECT_EQ(kToolSuite.GetToolNumberFromName("Nothing", &number), kNotFoundErr);

  for (const char* selector : {"AI Select", "AI Deselect", "AI Mouse Down", "AI Mouse Drag", "AI Mouse Up"})
    TestPluginHandlers()[std::string("AI Tool/") + selector] = [this, selector](void* m) {
      auto* msg = static_cast<ToolMessage*>(m);
      const char* title = nullptr;
      kToolSuite.GetToolTitle(msg->tool, &title);
      seen.push_back(std::string(selector) + " " + title + " " + std::to_string(msg->cursor.h) +
                     (msg->event ? " mods " + std::to_string(msg->event->modifiers) : " no event"));
      return kNoErr;
    };
  vmhost::SelectTool(first);
  vmhost::SelectTool(second);
  vmhost::Drag({{1, 0}, {2, 0}}, kModShift | kModDoubleClick);
  vmhost::MouseUp({3, 0}, 0, false);
  EXPECT_EQ(seen, (std::vector<std::string>{"AI Select First_Vestamark 0.000000 no event",
                                            "AI Deselect First_Vestamark 0.000000 no event",
                                            "AI Select Second_Vestamark 0.000000 no event",
                                            "AI Mouse Down Second_Vestamark 1.000000 mods 528",
                                            "AI Mouse Drag Second_Vestamark 2.000000 mods 512",
                                            "AI Mouse Up Second_Vestamark 2.000000 mods 512",
                                            "AI Mouse Up Second_Vestamark 3.000000 no event"}));
}

TEST_F(DriverTest, AnActionPlayedInsideACallComesBackBeforeThePlayReturns) {
  ActionParamsHandle params = nullptr;
  kActionManagerSuite.NewActionParamType(&params);
  ASSERT_EQ(kActionManagerSuite.RegisterActionEvent("Test_ACTION", "Test_ACTION", 1, 0, plugin, params),
            kNoErr);
  kActionManagerSuite.DeleteActionParamType(params);

  HostErr nested = kNoErr;
  TestPluginHandlers()["Action Manager/Do Action"] = [&](void* m) {
    auto* msg = static_cast<ActionMessage*>(m);
    seen.push_back(std::string("do ") + msg->eventName);
    kTagSuite.SetTag(vmhost::AddGroup(), "done", "1");
    nested = kActionManagerSuite.PlayActionEvent("Test_ACTION", 1, nullptr);  // while running: dropped
    return kNoErr;
  };
  TestPluginHandlers()["AI Menu/AI Go"] = [&](void*) {
    seen.push_back("play");
    HostErr err = kActionManagerSuite.PlayActionEvent("Test_ACTION", 1, nullptr);
    seen.push_back("played " + std::to_string(err));
    return kNoErr;
  };
  MenuItemHandle item = nullptr;
  ASSERT_EQ(kMenuSuite.AddMenuItem(plugin, "Test item", kAboutMenuGroup, nullptr, 0, &item), kNoErr);
  ASSERT_EQ(vmhost::MenuGo(item), kNoErr);
  EXPECT_EQ(seen, (std::vector<std::string>{"play", "do Test_ACTION", "played 0"}));
  EXPECT_EQ(nested, kCanceledErr);
  EXPECT_EQ(vmhost::DroppedPlays(), 1);
  EXPECT_EQ(vmhost::UndoDepth(), 1);  // the played command is part of the menu call
  EXPECT_EQ(kActionManagerSuite.PlayActionEvent("Unknown", 1, nullptr), kNotFoundErr);
}

TEST_F(DriverTest, TimersFireByPeriodAndNotificationsReachStartedPlugins) {
  TimerHandle timer = nullptr;
  ASSERT_EQ(kTimerSuite.AddTimer(plugin, "Test_TIMER", 6, &timer), kNoErr);
  NotifierHandle notifier = nullptr;
  kNotifierSuite.AddNotifier(plugin, "Test_NOTIFIER", kDocumentChangedNotifier, &notifier);
  PluginRef idle = vmhost::AddPlugin("Idle", TestPluginMain);  // never started
  kNotifierSuite.AddNotifier(idle, "Idle_NOTIFIER", kDocumentChangedNotifier, nullptr);
  int ticks = 0, notes = 0;
  TestPluginHandlers()["AI Timer/AI Go"] = [&](void* m) {
    EXPECT_EQ(static_cast<TimerMessage*>(m)->timer, timer);
    ticks++;
    return kNoErr;
  };
  TestPluginHandlers()["AI Notifier/AI Notify"] = [&](void* m) {
    auto* msg = static_cast<NotifierMessage*>(m);
    EXPECT_EQ(msg->notifier, notifier);
    EXPECT_EQ(msg->d.self, plugin);
    notes++;
    return kNoErr;
  };
  vmhost::AdvanceTicks(17);
  EXPECT_EQ(ticks, 2);
  DocumentHandle other = vmhost::NewDocument("Other");
  vmhost::SwitchDocument(doc);
  vmhost::CloseDocument(other);
  EXPECT_EQ(notes, 3);
}

TEST_F(DriverTest, TheGlobalsSlotTravelsBetweenCalls) {
  static int record = 0;
  TestPluginHandlers()["SP Access/Unload"] = [](void* m) {
    static_cast<SPMessageData*>(m)->globals = &record;
    return kNoErr;
  };
  void* reloaded = nullptr;
  TestPluginHandlers()["SP Access/Reload"] = [&](void* m) {
    reloaded = static_cast<SPMessageData*>(m)->globals;
    return kNoErr;
  };
  vmhost::Unload(plugin);
  vmhost::Reload(plugin);
  EXPECT_EQ(reloaded, &record);
}

TEST_F(DriverTest, AlertsAreRecordedAndAnsweredFromTheQueue) {
  UnicodeStringHandle text;
  kUnicodeStringSuite.NewFromCodePage("\x95\xdb\x91\xb6\x82\xb5\x82\xdc\x82\xb7\x82\xa9?", 932,
                                      &text);  // 保存しますか?
  int32_t first = -1, second = -1;
  vmhost::QueueAlertAnswer(0);
  kUserSuite.OKCancelAlert(text, 1, &first);
  kUserSuite.YesNoAlert(text, &second);
  kUserSuite.MessageAlert(text);
  kUnicodeStringSuite.Dispose(text);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 1);  // no answer queued: the first button
  ASSERT_EQ(vmhost::Alerts().size(), 3u);
  EXPECT_EQ(vmhost::Alerts()[2].text, "保存しますか?");
  EXPECT_EQ(vmhost::Alerts()[2].kind, "message");
}

TEST_F(DriverTest, HostStringsConvertCodePage932AndCutWholeCharacters) {
  UnicodeStringHandle s;
  kUnicodeStringSuite.NewFromCodePage("A\x83\x65\x83\x58\x83\x67", 932, &s);  // Aテスト
  char out[6];
  kUnicodeStringSuite.GetCodePageText(s, 932, out, sizeof out);
  EXPECT_STREQ(out, "A\x83\x65\x83\x58");  // the third kana would not fit whole
  kUnicodeStringSuite.Dispose(s);

  kUnicodeStringSuite.NewFromCodePage("a\x83", 932, &s);  // a lead byte with nothing after it
  const uint16_t* units;
  int32_t length;
  kUnicodeStringSuite.GetUtf16(s, &units, &length);
  ASSERT_EQ(length, 2);
  EXPECT_EQ(units[1], 0xFFFD);
  kUnicodeStringSuite.Dispose(s);
}

TEST_F(DriverTest, ViewsTurnArtworkYUpIntoWindowYDown) {
  DocViewHandle view = nullptr;
  ASSERT_EQ(kDocumentViewSuite.GetNthDocumentView(0, &view), kNoErr);
  kDocumentViewSuite.SetDocumentViewZoom(view, 2.0);
  RealPoint a{10, 10};
  int32_t x, y;
  kDocumentViewSuite.ArtworkPointToViewPoint(view, &a, &x, &y);
  EXPECT_EQ(x, 520);
  EXPECT_EQ(y, 380);
  RealPoint back;
  kDocumentViewSuite.ViewPointToArtworkPoint(view, x, y, &back);
  EXPECT_EQ(back.h, 10);
  EXPECT_EQ(back.v, 10);
  kDocumentViewSuite.SetDocumentViewZoom(view, 0);
  EXPECT_EQ(kDocumentViewSuite.ViewPointToArtworkPoint(view, x, y, &back), kBadParameterErr);

  vmhost::CloseDocument(doc);
  EXPECT_EQ(kDocumentViewSuite.GetNthDocumentView(0, &view), kNoDocumentErr);
  EXPECT_EQ(view, nullptr);
}

}  // namespace
