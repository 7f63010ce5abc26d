#include "panels/panel_windows.h"

void CreateInfPanel(NotifierMessage*) {}

void CreateVarPanel(NotifierMessage*) {}
