// The Information panel's list.
#pragma once

#include "shell/plugin_globals.h"

void PaintInfoPanelItem(const OwnerDrawRecord* item);
