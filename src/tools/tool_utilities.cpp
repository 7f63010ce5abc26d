#include "tools/tool_utilities.h"

#include "common/module_instance.h"
#include "common/suite_pointers.h"
#include "win_api.h"

namespace {

constexpr int32_t kDefaultCursor = 16101;
// By SnapKind 0..9.
constexpr int32_t kSnapKindCursors[] = {16101, 16104, 16105, 16106, 16107, 16108, 16109, 16110, 16103, 16102};

}  // namespace

void Beep() { MessageBeep(MB_BEEP_DEFAULT); }

int32_t CursorIdForSnapKind(int16_t kind) {
  constexpr int16_t count = static_cast<int16_t>(sizeof kSnapKindCursors / sizeof kSnapKindCursors[0]);
  return kind >= 0 && kind < count ? kSnapKindCursors[kind] : kDefaultCursor;
}

void SetCursorFromResource(PluginRef pluginRef, int32_t cursorId) {
  AccessRef access = nullptr;
  if (sAIPlugin == nullptr || sAIPlugin->GetPluginAccess(pluginRef, &access) != kNoErr) return;
  HINSTANCE instance = ModuleInstance(access);
  if (instance == nullptr) return;
  HCURSOR cursor = LoadCursorA(instance, MAKEINTRESOURCE(static_cast<uintptr_t>(cursorId)));
  if (cursor != nullptr) SetCursor(cursor);
}
