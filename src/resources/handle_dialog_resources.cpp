// The revision handle dialogs in both languages, and the direction texts.
#include "resources/handle_dialog_resource_ids.h"
#include "resources/module_resources.h"
#include "win_api.h"

namespace {

constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER;
constexpr DWORD kCheck = BS_AUTOCHECKBOX | BS_NOTIFY;
constexpr DWORD kCombo = CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kDialog = WS_POPUP | WS_CAPTION | DS_MODALFRAME;

// "名称：", "変数...", "キャンセル"
#define VM_NAME_JA "\226\274\217\314\201F"
#define VM_VARIABLE_JA "\225\317\220\224..."
#define VM_CANCEL_JA "\203L\203\203\203\223\203Z\203\213"
// "％ (変数可)", "° (変数可)"
#define VM_PERCENT_JA "\201\223 (\225\317\220\224\211\302)"
#define VM_DEGREE_JA "\201\213 (\225\317\220\224\211\302)"

// ---- distance ----
const DialogItemTemplate kDistanceJa[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", VM_CANCEL_JA, BS_PUSHBUTTON, 280, 40, 70, 24},
    // "タイプ："
    {kAmountTypeLabel, "STATIC", "\203^\203C\203v\201F", SS_LEFT, 10, 14, 70, 18},
    {kAmountTypeCombo, "COMBOBOX", "", kCombo, 85, 10, 180, 150},
    {kAmountPercentField, "EDIT", "", kEdit, 10, 44, 160, 22},
    {kAmountPercentLabel, "STATIC", VM_PERCENT_JA, SS_LEFT, 176, 47, 95, 18},
    {kAmountLengthField, "EDIT", "", kEdit, 10, 72, 160, 22},
    {kAmountUnitLabel, "STATIC", "", SS_LEFT, 176, 75, 95, 18},
    // "移動距離", "両端補正", "比例バランス"
    {kAmountMovingCheck, "BUTTON", "\210\332\223\256\213\227\227\243", kCheck, 10, 102, 250, 20},
    {kAmountBothEndsCheck, "BUTTON", "\227\274\222[\225\342\220\263", kCheck, 10, 126, 250, 20},
    {kAmountProportionalCheck, "BUTTON", "\224\344\227\341\203o\203\211\203\223\203X", kCheck, 10, 150, 250,
     20},
    {kAmountNameLabel, "STATIC", VM_NAME_JA, SS_LEFT, 10, 184, 70, 18},
    {kAmountNameField, "EDIT", "", kEdit, 85, 180, 180, 22},
    {kAmountVariableButton, "BUTTON", VM_VARIABLE_JA, BS_PUSHBUTTON, 280, 72, 70, 24},
};
const DialogItemTemplate kDistanceEn[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 280, 40, 70, 24},
    {kAmountTypeLabel, "STATIC", "Type :", SS_LEFT, 10, 14, 70, 18},
    {kAmountTypeCombo, "COMBOBOX", "", kCombo, 85, 10, 180, 150},
    {kAmountPercentField, "EDIT", "", kEdit, 10, 44, 160, 22},
    {kAmountPercentLabel, "STATIC", "%", SS_LEFT, 176, 47, 95, 18},
    {kAmountLengthField, "EDIT", "", kEdit, 10, 72, 160, 22},
    {kAmountUnitLabel, "STATIC", "", SS_LEFT, 176, 75, 95, 18},
    {kAmountMovingCheck, "BUTTON", "Moving distance", kCheck, 10, 102, 250, 20},
    {kAmountBothEndsCheck, "BUTTON", "Both ends revision", kCheck, 10, 126, 250, 20},
    {kAmountProportionalCheck, "BUTTON", "Proportional balance", kCheck, 10, 150, 250, 20},
    {kAmountNameLabel, "STATIC", "Name :", SS_LEFT, 10, 184, 70, 18},
    {kAmountNameField, "EDIT", "", kEdit, 85, 180, 180, 22},
    {kAmountVariableButton, "BUTTON", "Variable...", BS_PUSHBUTTON, 280, 72, 70, 24},
};

// ---- length and arc (one layout) ----
const DialogItemTemplate kLengthJa[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", VM_CANCEL_JA, BS_PUSHBUTTON, 280, 40, 70, 24},
    {kAmountPercentField, "EDIT", "", kEdit, 10, 12, 160, 22},
    {kAmountPercentLabel, "STATIC", VM_PERCENT_JA, SS_LEFT, 176, 15, 95, 18},
    {kAmountLengthField, "EDIT", "", kEdit, 10, 40, 160, 22},
    {kAmountUnitLabel, "STATIC", "", SS_LEFT, 176, 43, 95, 18},
    {kAmountNameLabel, "STATIC", VM_NAME_JA, SS_LEFT, 10, 76, 70, 18},
    {kAmountNameField, "EDIT", "", kEdit, 85, 72, 180, 22},
    {kAmountVariableButton, "BUTTON", VM_VARIABLE_JA, BS_PUSHBUTTON, 280, 72, 70, 24},
};
const DialogItemTemplate kLengthEn[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 280, 40, 70, 24},
    {kAmountPercentField, "EDIT", "", kEdit, 10, 12, 160, 22},
    {kAmountPercentLabel, "STATIC", "%", SS_LEFT, 176, 15, 95, 18},
    {kAmountLengthField, "EDIT", "", kEdit, 10, 40, 160, 22},
    {kAmountUnitLabel, "STATIC", "", SS_LEFT, 176, 43, 95, 18},
    {kAmountNameLabel, "STATIC", "Name :", SS_LEFT, 10, 76, 70, 18},
    {kAmountNameField, "EDIT", "", kEdit, 85, 72, 180, 22},
    {kAmountVariableButton, "BUTTON", "Variable...", BS_PUSHBUTTON, 280, 72, 70, 24},
};

// ---- angle: degrees only ----
const DialogItemTemplate kAngleJa[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", VM_CANCEL_JA, BS_PUSHBUTTON, 280, 40, 70, 24},
    {kAmountPercentField, "EDIT", "", kEdit, 10, 12, 160, 22},
    {kAmountPercentLabel, "STATIC", VM_DEGREE_JA, SS_LEFT, 176, 15, 95, 18},
    {kAmountNameLabel, "STATIC", VM_NAME_JA, SS_LEFT, 10, 76, 70, 18},
    {kAmountNameField, "EDIT", "", kEdit, 85, 72, 180, 22},
    {kAmountVariableButton, "BUTTON", VM_VARIABLE_JA, BS_PUSHBUTTON, 280, 72, 70, 24},
};
const DialogItemTemplate kAngleEn[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 280, 40, 70, 24},
    {kAmountPercentField, "EDIT", "", kEdit, 10, 12, 160, 22},
    {kAmountPercentLabel, "STATIC", "Deg.", SS_LEFT, 176, 15, 95, 18},
    {kAmountNameLabel, "STATIC", "Name :", SS_LEFT, 10, 76, 70, 18},
    {kAmountNameField, "EDIT", "", kEdit, 85, 72, 180, 22},
    {kAmountVariableButton, "BUTTON", "Variable...", BS_PUSHBUTTON, 280, 72, 70, 24},
};

// ---- point ----
const DialogItemTemplate kPointJa[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 330, 10, 70, 24},
    {IDCANCEL, "BUTTON", VM_CANCEL_JA, BS_PUSHBUTTON, 330, 40, 70, 24},
    // "オフセット：", "移動量：", "座標："
    {kPointOffsetLabel, "STATIC", "\203I\203t\203Z\203b\203g\201F", SS_LEFT, 10, 14, 90, 18},
    {kPointOffsetXField, "EDIT", "", kEdit, 105, 10, 90, 22},
    {kPointOffsetYField, "EDIT", "", kEdit, 200, 10, 90, 22},
    {kPointOffsetUnitLabel, "STATIC", "", SS_LEFT, 295, 14, 30, 18},
    {kPointMoveLabel, "STATIC", "\210\332\223\256\227\312\201F", SS_LEFT, 10, 42, 90, 18},
    {kPointMoveXField, "EDIT", "", kEdit, 105, 38, 90, 22},
    {kPointMoveYField, "EDIT", "", kEdit, 200, 38, 90, 22},
    {kPointMoveUnitLabel, "STATIC", "", SS_LEFT, 295, 42, 30, 18},
    {kPointCoordinateLabel, "STATIC", "\215\300\225W\201F", SS_LEFT, 10, 70, 90, 18},
    {kPointCoordinateXField, "EDIT", "", kEdit, 105, 66, 90, 22},
    {kPointCoordinateYField, "EDIT", "", kEdit, 200, 66, 90, 22},
    {kPointCoordinateUnitLabel, "STATIC", "", SS_LEFT, 295, 70, 30, 18},
    {kPointNameLabel, "STATIC", VM_NAME_JA, SS_LEFT, 10, 104, 90, 18},
    {kPointNameField, "EDIT", "", kEdit, 105, 100, 185, 22},
    {kPointVariableButton, "BUTTON", VM_VARIABLE_JA, BS_PUSHBUTTON, 330, 72, 70, 24},
};
const DialogItemTemplate kPointEn[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 330, 10, 70, 24},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 330, 40, 70, 24},
    {kPointOffsetLabel, "STATIC", "Offset :", SS_LEFT, 10, 14, 90, 18},
    {kPointOffsetXField, "EDIT", "", kEdit, 105, 10, 90, 22},
    {kPointOffsetYField, "EDIT", "", kEdit, 200, 10, 90, 22},
    {kPointOffsetUnitLabel, "STATIC", "", SS_LEFT, 295, 14, 30, 18},
    {kPointMoveLabel, "STATIC", "Move :", SS_LEFT, 10, 42, 90, 18},
    {kPointMoveXField, "EDIT", "", kEdit, 105, 38, 90, 22},
    {kPointMoveYField, "EDIT", "", kEdit, 200, 38, 90, 22},
    {kPointMoveUnitLabel, "STATIC", "", SS_LEFT, 295, 42, 30, 18},
    {kPointCoordinateLabel, "STATIC", "Coordinate :", SS_LEFT, 10, 70, 90, 18},
    {kPointCoordinateXField, "EDIT", "", kEdit, 105, 66, 90, 22},
    {kPointCoordinateYField, "EDIT", "", kEdit, 200, 66, 90, 22},
    {kPointCoordinateUnitLabel, "STATIC", "", SS_LEFT, 295, 70, 30, 18},
    {kPointNameLabel, "STATIC", "Name :", SS_LEFT, 10, 104, 90, 18},
    {kPointNameField, "EDIT", "", kEdit, 105, 100, 185, 22},
    {kPointVariableButton, "BUTTON", "Variable...", BS_PUSHBUTTON, 330, 72, 70, 24},
};

// ---- measurement ----
const DialogItemTemplate kMeasurementJa[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", VM_CANCEL_JA, BS_PUSHBUTTON, 280, 40, 70, 24},
    // "距離：", "角度：", "長さ：", "半径："
    {kMeasureDistanceLabel, "STATIC", "\213\227\227\243\201F", SS_LEFT, 10, 14, 70, 18},
    {kMeasureDistanceField, "EDIT", "", kEdit, 85, 10, 180, 22},
    {kMeasureAngleLabel, "STATIC", "\212p\223x\201F", SS_LEFT, 10, 42, 70, 18},
    {kMeasureAngleField, "EDIT", "", kEdit, 85, 38, 180, 22},
    {kMeasureLengthLabel, "STATIC", "\222\267\202\263\201F", SS_LEFT, 10, 70, 70, 18},
    {kMeasureLengthField, "EDIT", "", kEdit, 85, 66, 180, 22},
    {kMeasureRadiusLabel, "STATIC", "\224\274\214a\201F", SS_LEFT, 10, 98, 70, 18},
    {kMeasureRadiusField, "EDIT", "", kEdit, 85, 94, 180, 22},
    // "※変数名を設定 (空欄は利用しない)"
    {kMeasureNote, "STATIC",
     "\201\246\225\317\220\224\226\274\202\360\220\335\222\350 "
     "(\213\363\227\223\202\315\227\230\227p\202\265\202\310\202\242)",
     SS_LEFT, 10, 126, 330, 18},
};
const DialogItemTemplate kMeasurementEn[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 280, 10, 70, 24},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 280, 40, 70, 24},
    {kMeasureDistanceLabel, "STATIC", "Distance :", SS_LEFT, 10, 14, 70, 18},
    {kMeasureDistanceField, "EDIT", "", kEdit, 85, 10, 180, 22},
    {kMeasureAngleLabel, "STATIC", "Angle :", SS_LEFT, 10, 42, 70, 18},
    {kMeasureAngleField, "EDIT", "", kEdit, 85, 38, 180, 22},
    {kMeasureLengthLabel, "STATIC", "Length :", SS_LEFT, 10, 70, 70, 18},
    {kMeasureLengthField, "EDIT", "", kEdit, 85, 66, 180, 22},
    {kMeasureRadiusLabel, "STATIC", "Radius :", SS_LEFT, 10, 98, 70, 18},
    {kMeasureRadiusField, "EDIT", "", kEdit, 85, 94, 180, 22},
    {kMeasureNote, "STATIC", "* Set a variable name (blank is nouse)", SS_LEFT, 10, 126, 330, 18},
};

template <int N>
constexpr DialogTemplate Dialog(const char* title, int width, int height,
                                const DialogItemTemplate (&items)[N]) {
  return {title, kDialog, width, height, items, N};
}

// "距離補正", "長さ補正", "円弧補正", "角度補正", "ポイント補正", "計測"
const DialogTemplate kDialogs[] = {
    Dialog("\213\227\227\243\225\342\220\263", 360, 214, kDistanceJa),
    Dialog("Distance revision", 360, 214, kDistanceEn),
    Dialog("\222\267\202\263\225\342\220\263", 360, 108, kLengthJa),
    Dialog("Length revision", 360, 108, kLengthEn),
    Dialog("\211~\214\312\225\342\220\263", 360, 108, kLengthJa),
    Dialog("Arc revision", 360, 108, kLengthEn),
    Dialog("\212p\223x\225\342\220\263", 360, 108, kAngleJa),
    Dialog("Angle revision", 360, 108, kAngleEn),
    Dialog("\203|\203C\203\223\203g\225\342\220\263", 410, 134, kPointJa),
    Dialog("Point revision", 410, 134, kPointEn),
    Dialog("\214v\221\252", 360, 152, kMeasurementJa),
    Dialog("Mesurement", 360, 152, kMeasurementEn),
};

// "ハンドルの角度", "水平方向", "垂直方向", "グレーディング方向"
const StringTableEntry kDirectionEntries[] = {
    {kDirectionStrings, "\203n\203\223\203h\203\213\202\314\212p\223x"},
    {kDirectionStrings + 1, "\220\205\225\275\225\373\214\374"},
    {kDirectionStrings + 2, "\220\202\222\274\225\373\214\374"},
    {kDirectionStrings + 3, "\203O\203\214\201[\203f\203B\203\223\203O\225\373\214\374"},
    {kDirectionStrings + 1000, "Angle of handle"},
    {kDirectionStrings + 1001, "Horizontal direction"},
    {kDirectionStrings + 1002, "Vertical direction"},
    {kDirectionStrings + 1003, "Grading direction"},
};
const StringTable kDirectionTable = {kDirectionEntries, 8};

const ResourceEntry kEntries[] = {
    {RT_DIALOG, kDistanceDialogResource, &kDialogs[0]},
    {RT_DIALOG, kDistanceDialogResource + 1000, &kDialogs[1]},
    {RT_DIALOG, kLengthDialogResource, &kDialogs[2]},
    {RT_DIALOG, kLengthDialogResource + 1000, &kDialogs[3]},
    {RT_DIALOG, kArcDialogResource, &kDialogs[4]},
    {RT_DIALOG, kArcDialogResource + 1000, &kDialogs[5]},
    {RT_DIALOG, kAngleDialogResource, &kDialogs[6]},
    {RT_DIALOG, kAngleDialogResource + 1000, &kDialogs[7]},
    {RT_DIALOG, kPointDialogResource, &kDialogs[8]},
    {RT_DIALOG, kPointDialogResource + 1000, &kDialogs[9]},
    {RT_DIALOG, kMeasurementDialogResource, &kDialogs[10]},
    {RT_DIALOG, kMeasurementDialogResource + 1000, &kDialogs[11]},
    {RT_STRING, kDirectionStrings, &kDirectionTable},
};

}  // namespace

void RegisterHandleDialogResources(HINSTANCE__* instance) {
  RegisterModuleResources(instance, kEntries, static_cast<int>(sizeof kEntries / sizeof kEntries[0]));
}
