// Commands of the Information panel's flyout menu.
#pragma once

#include <cstdint>

#include "host_types.h"

void RunInfFlyoutCommand(uint32_t itemId);
void UpdateInfFlyoutState();
// Replaces a flyout's preset items (firstItem + slot) by the enabled presets
// and marks the current one.
void RebuildPresetFlyoutItems(FlyoutMenuHandle flyout, uint32_t firstItem);

// Only a listed preset can be chosen: a stale item of a free slot, or one
// whose scale index lies outside the tables, is not.
bool PresetCanBeChosen(int32_t slot);
