// The About dialog.
#pragma once

#include <cstdint>

#include "host_types.h"

intptr_t ShowAboutDialog(SPMessageData* message);
