// Commands of the Information panel's flyout menu.
#pragma once

#include <cstdint>

void RunInfFlyoutCommand(uint32_t itemId);
void UpdateInfFlyoutState();
