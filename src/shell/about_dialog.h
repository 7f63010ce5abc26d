// The About dialog.
#pragma once

#include <cstdint>

#include "host_types.h"

constexpr int32_t kAboutDialogId = 16150;

intptr_t ShowAboutDialog(SPMessageData* message);
