#include "shell/poll_timer.h"

HostErr OnTimerTick(TimerMessage*) { return kNoErr; }
