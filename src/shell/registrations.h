// The host objects registered at start-up: tools, notifiers, menus, timer.
#pragma once

#include <cstdint>

#include "host_types.h"

struct RevisionToolRow {
  int16_t slot;       // in toolHandles
  int16_t toolIndex;  // passed to the revision tool handlers
  int16_t titlePair;  // the title's entry in kLocalizedTexts
  int32_t iconId;
  int32_t darkIconId;
};

// In registration order: distance, length, arc, angle, point, measurement.
constexpr int kRevisionTools = 6;
extern const RevisionToolRow kRevisionToolRows[kRevisionTools];

constexpr const char* kPollTimerName = "Vestamark_TIMER";
constexpr int32_t kPollTimerPeriod = 6;
constexpr const char* kAboutGroupName = "QV_PLUGINS_ABOUT";

HostErr AddTools(SPMessageData* message);
HostErr RegisterNotifiers(SPMessageData* message);
HostErr AddMenus(SPMessageData* message);
HostErr AddPollTimer(SPMessageData* message);
