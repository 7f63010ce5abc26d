// Commands of the Information panel's flyout menu.
#pragma once

#include <cstdint>

void RunInfFlyoutCommand(uint32_t itemId);
void UpdateInfFlyoutState();

// Only a listed preset can be chosen: a stale item of a free slot, or one
// whose scale index lies outside the tables, is not.
bool PresetCanBeChosen(int32_t slot);
