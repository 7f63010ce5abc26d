// The Information flyout's commands, one file per family.
#pragma once

#include <cstdint>

// Items 1 and 2: the selected handles get one new group id (or none) and
// become consecutive slots from the first of them.
void GroupSelectedHandles(bool group);
// Item 5: the plug-in's tags leave the current piece's arts.
void DeleteObjectTags();
// Items 7, 9, 10 and 12 and above.
void RunPresetSetting();
void CopyPresetAmounts();
void InitializePreset();
void ChoosePreset(int16_t slot);

// Asks with an OK / Cancel alert; true only when the user agrees.
bool ConfirmInfCommand(const char* cp932Text);
