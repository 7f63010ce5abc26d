// The polling timer that watches the document, the selection and the zoom.
#pragma once

#include "host_types.h"

HostErr OnTimerTick(TimerMessage* message);
