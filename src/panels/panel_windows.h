// The Information and Variable panels: creation and their host callbacks.
#pragma once

#include "host_types.h"

void CreateInfPanel(NotifierMessage* message);
void CreateVarPanel(NotifierMessage* message);
