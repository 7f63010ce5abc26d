// Notifications: the application has started, the document changed.
#pragma once

#include "host_types.h"

HostErr OnNotify(NotifierMessage* message);
