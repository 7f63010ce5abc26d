#include "panels/inf_flyout_commands.h"

void RunInfFlyoutCommand(uint32_t) {}

void UpdateInfFlyoutState() {}
