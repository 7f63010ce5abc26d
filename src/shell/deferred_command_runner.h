// The module's own action, and what it runs: the panel event a panel posted
// (common/deferred_command.h), now inside a host call.
#pragma once

#include "host_types.h"

HostErr RegisterInternalAction(SPMessageData* message);
HostErr RunDeferredCommand();
