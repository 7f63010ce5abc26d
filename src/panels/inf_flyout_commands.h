// Commands of the Information panel's flyout menu.
#pragma once

#include <cstdint>

#include "host_types.h"

void RunInfFlyoutCommand(uint32_t itemId);
void UpdateInfFlyoutState();
