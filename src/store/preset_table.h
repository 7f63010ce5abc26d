// The preset table as a whole.
#pragma once

// Every field of the 99 presets set to 0 and every slot marked free.
void ClearPresetTable();
