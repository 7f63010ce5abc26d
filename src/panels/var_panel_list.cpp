#include "panels/var_panel_list.h"

void PaintVariablePanelItem(const DRAWITEMSTRUCT*) {}
