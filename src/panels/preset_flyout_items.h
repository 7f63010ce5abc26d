// The presets as items of the Information and Variable panels' flyout menus:
// built from the preset table, and the choice of one of them.
#pragma once

#include <cstdint>

#include "host_types.h"

// Preset items carry this id plus the preset's slot.
constexpr uint32_t kInfFirstPresetItem = 12;
constexpr uint32_t kVarFirstPresetItem = 4;

// Replaces a flyout's preset items (firstItem + slot) by the enabled presets
// and marks the current one.
void RebuildPresetFlyoutItems(FlyoutMenuHandle flyout, uint32_t firstItem);

// Only a listed preset can be chosen: a stale item of a free slot, or one
// whose scale index lies outside the tables, is not.
bool PresetCanBeChosen(int32_t slot);

// The preset of `slot`, chosen in `flyout`, becomes current: the flyout's mark
// moves to it, `updateOthers` brings the rest of the panels up to date, and
// the piece is shown in the new preset without an undo step. Nothing happens
// for the current preset or one that cannot be chosen.
void ChoosePresetInFlyout(int32_t slot, FlyoutMenuHandle flyout, uint32_t firstItem, void (*updateOthers)());

// After a change of the current preset's scale index: the piece is gathered
// again and shown in the new preset.
void ShowPieceInCurrentPreset();
