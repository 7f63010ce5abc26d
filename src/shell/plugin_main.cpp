#include "shell/plugin_main.h"

#include <cstdio>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "expr/script_alerts.h"
#include "shell/about_dialog.h"
#include "shell/deferred_command_runner.h"
#include "shell/menu_items.h"
#include "shell/notifiers.h"
#include "shell/plugin_lifecycle.h"
#include "shell/poll_timer.h"
#include "shell/tool_dispatch.h"

namespace {

using Handler = HostErr (*)(void* message);

template <typename Message, HostErr (*Fn)(Message*)>
HostErr Call(void* message) {
  return Fn(static_cast<Message*>(message));
}

HostErr CallDeferred(void*) { return RunDeferredCommand(); }

struct Route {
  const char* caller;
  const char* selector;
  Handler handler;
};

const Route kRoutes[] = {
    {"AI Menu", "AI Go", Call<MenuMessage, GoMenuItem>},
    {"AI Menu", "AI Update", Call<MenuMessage, UpdateMenuItems>},
    {"AI Tool", "AI Edit Options", Call<ToolMessage, DispatchToolEditOptions>},
    {"AI Tool", "AI Track Cursor", Call<ToolMessage, DispatchToolTrackCursor>},
    {"AI Tool", "AI Mouse Down", Call<ToolMessage, DispatchToolMouseDown>},
    {"AI Tool", "AI Mouse Drag", Call<ToolMessage, DispatchToolMouseDrag>},
    {"AI Tool", "AI Mouse Up", Call<ToolMessage, DispatchToolMouseUp>},
    {"AI Tool", "AI Select", Call<ToolMessage, DispatchToolSelect>},
    {"AI Tool", "AI Deselect", Call<ToolMessage, DispatchToolDeselect>},
    {"AI Timer", "AI Go", Call<TimerMessage, OnTimerTick>},
    {"AI Notifier", "AI Notify", Call<NotifierMessage, OnNotify>},
    {"Action Manager", "Do Action", CallDeferred},
};

bool IsSilentResult(HostErr result) {
  return result == kNoErr || result == 1 || result == kSuiteNotFoundErr || result == kCanceledErr;
}

bool Equal(const char* a, const char* b) { return sSPBasic->IsEqual(a, b) != 0; }

}  // namespace

void FourCharCodeText(HostErr code, char out[5]) {
  const uint32_t value = static_cast<uint32_t>(code);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
  out[4] = '\0';
}

HostErr DispatchPluginMessage(const char* caller, const char* selector, void* message) {
  for (const Route& route : kRoutes) {
    if (Equal(caller, route.caller) && Equal(selector, route.selector)) return route.handler(message);
  }
  return kNoErr;
}

HostErr OnAbout(SPMessageData* message) {
  ShowAboutDialog(message);
  return kNoErr;
}

void ReportInternalError(HostErr code) {
  if (sAIUser == nullptr) return;
  char codeText[5];
  FourCharCodeText(code, codeText);
  char text[128];
  std::snprintf(text, sizeof text, "Unexpected internal error=%x, %s", static_cast<unsigned>(code), codeText);
  ShowMessageAlert(text);
}

HostErr ReturnZeroStub() { return kNoErr; }

HostErr ReturnZeroStub2() { return kNoErr; }

extern "C" HostErr PluginMain(const char* caller, const char* selector, void* message) {
  SPMessageData* data = static_cast<SPMessageData*>(message);
  sSPBasic = data->basic;
  gPlugin = static_cast<PluginGlobals*>(data->globals);

  if (Equal(caller, "SP Access")) {
    if (Equal(selector, "Unload")) return OnUnload(data);
    if (Equal(selector, "Reload")) return OnReload(data);
    return kNoErr;
  }

  HostErr result = AcquireSuites(sSPBasic);
  if (result == kNoErr) {
    if (Equal(caller, "SP Interface")) {
      if (Equal(selector, "Startup")) {
        result = OnStartup(data);
      } else if (Equal(selector, "About")) {
        result = OnAbout(data);
      } else if (Equal(selector, "Shutdown")) {
        result = OnShutdown(data);
      }
    } else if (gPlugin != nullptr) {
      // Without a record (start-up failed) there is nothing to route to.
      ScriptActionScope action;
      result = DispatchPluginMessage(caller, selector, message);
    }
  }

  if (!IsSilentResult(result) && sAIUser != nullptr) {
    char codeText[5];
    FourCharCodeText(result, codeText);
    char text[512];
    std::snprintf(text, sizeof text, "Error=%x, %s (caller : %s, selector : %s)",
                  static_cast<unsigned>(result), codeText, caller, selector);
    ShowMessageAlert(text);
  }

  ReleaseSuites(sSPBasic);
  return result;
}
