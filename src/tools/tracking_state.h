// The revision tools' mouse-tracking record.
#pragma once

void ClearTrackingState();
