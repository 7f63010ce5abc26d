// The "Update grading" dialog: its resource id and the ids of its controls.
#pragma once

constexpr int kUpdateGradingDialogResource = 16070;  // English copy at 17070

constexpr int kUpdateCurrentSetRadio = 3;
constexpr int kUpdateAllSetsRadio = 4;
constexpr int kUpdateChosenSetsRadio = 5;
constexpr int kUpdateLeaveCheck = 6;
constexpr int kUpdateSetList = 7;
constexpr int kUpdateOtherLayerCheck = 8;
constexpr int kUpdateLayerPerPresetCheck = 9;
constexpr int kUpdateLayerNameLabel = 10;
constexpr int kUpdateLayerNameEdit = 11;
constexpr int kUpdatePreviewCheck = 12;
