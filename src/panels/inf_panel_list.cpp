#include "panels/inf_panel_list.h"

void PaintInfoPanelItem(const OwnerDrawRecord*) {}

void RebuildInfList() {}
