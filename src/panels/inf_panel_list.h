// The Information panel's list.
#pragma once

#include "shell/plugin_globals.h"

void PaintInfoPanelItem(const OwnerDrawRecord* item);

// Makes the rows match the handle table (only while the panel exists).
void RebuildInfList();
