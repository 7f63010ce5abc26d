// Panel events replayed inside a host call through the module's own action:
// the panels post them here, the shell's runner carries them out.
#pragma once

#include <cstdint>

#include "common/plugin_globals.h"

constexpr const char* kInternalActionName = "Vestamark_INTERNAL_ACTION";

enum DeferredCommandCode : uint32_t {
  kDeferredNone = 0,
  kDeferredPaintInfItem = 1001,
  kDeferredInfPanelCommand = 1002,
  kDeferredVarPanelCommand = 1003,
  kDeferredInfFlyoutItem = 1004,
  kDeferredVarFlyoutItem = 1005,
};

// Stores the command and plays the internal action, which runs it inside a
// host call. Dropped while no document view is current. drawItem is used by
// 1001 only and may be null otherwise.
void PostDeferredCommand(uint32_t code, uint16_t arg1, uint16_t arg2, const OwnerDrawRecord* drawItem);
