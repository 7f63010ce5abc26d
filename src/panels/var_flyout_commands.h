// The Variable panel's flyout: CSV import and export, and the preset choice.
#pragma once

#include <cstdint>

void RunVarFlyoutCommand(uint32_t itemId);
