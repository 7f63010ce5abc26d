#include "tools/tracking_state.h"

void ClearTrackingState() {}
