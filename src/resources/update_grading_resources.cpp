// The "Update grading" dialog in both languages.
#include "resources/update_grading_resource_ids.h"
#include "resources/module_resources.h"
#include "win_api.h"

namespace {

constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kCheck = BS_AUTOCHECKBOX;
constexpr DWORD kSetList =
    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;

const DialogItemTemplate kItemsJapanese[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 285, 12, 75, 24},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 285, 42, 75, 24},
    // "現在のセットを出力"
    {kUpdateCurrentSetRadio, "BUTTON", "\214\273\215\335\202\314\203Z\203b\203g\202\360\217o\227\315",
     kRadio | WS_GROUP, 15, 12, 240, 20},
    // "全てのセットを出力"
    {kUpdateAllSetsRadio, "BUTTON", "\221S\202\304\202\314\203Z\203b\203g\202\360\217o\227\315", kRadio, 15,
     36, 240, 20},
    // "セットを選択"
    {kUpdateChosenSetsRadio, "BUTTON", "\203Z\203b\203g\202\360\221I\221\360", kRadio, 15, 60, 240, 20},
    // "元のオブジェクトを残す"
    {kUpdateLeaveCheck, "BUTTON", "\214\263\202\314\203I\203u\203W\203F\203N\203g\202\360\216c\202\267",
     kCheck | WS_GROUP, 15, 88, 250, 20},
    {kUpdateSetList, "LISTBOX", "", kSetList, 15, 114, 250, 160},
    // "別のレイヤーに作成"
    {kUpdateOtherLayerCheck, "BUTTON", "\225\312\202\314\203\214\203C\203\204\201[\202\311\215\354\220\254",
     kCheck, 15, 286, 330, 20},
    // "プリセット毎にレイヤーを作成　(プリセット名)"
    {kUpdateLayerPerPresetCheck, "BUTTON",
     "\203v\203\212\203Z\203b\203g\226\210\202\311\203\214\203C\203\204\201["
     "\202\360\215\354\220\254\201@("
     "\203v\203\212\203Z\203b\203g\226\274)",
     kCheck, 30, 310, 330, 20},
    // "レイヤー名："
    {kUpdateLayerNameLabel, "STATIC", "\203\214\203C\203\204\201[\226\274\201F", SS_LEFT, 30, 339, 90, 20},
    {kUpdateLayerNameEdit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER, 120, 336, 240, 22},
    // "プレビュー"
    {kUpdatePreviewCheck, "BUTTON", "\203v\203\214\203r\203\205\201[", kCheck, 15, 372, 150, 20},
};

const DialogItemTemplate kItemsEnglish[] = {
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 285, 12, 75, 24},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 285, 42, 75, 24},
    {kUpdateCurrentSetRadio, "BUTTON", "Output current set", kRadio | WS_GROUP, 15, 12, 240, 20},
    {kUpdateAllSetsRadio, "BUTTON", "Output all sets", kRadio, 15, 36, 240, 20},
    {kUpdateChosenSetsRadio, "BUTTON", "Output choice sets", kRadio, 15, 60, 240, 20},
    {kUpdateLeaveCheck, "BUTTON", "Leave original objects", kCheck | WS_GROUP, 15, 88, 250, 20},
    {kUpdateSetList, "LISTBOX", "", kSetList, 15, 114, 250, 160},
    {kUpdateOtherLayerCheck, "BUTTON", "Make in the other layer", kCheck, 15, 286, 330, 20},
    {kUpdateLayerPerPresetCheck, "BUTTON", "Make a layer every preset (preset name)", kCheck, 30, 310, 330,
     20},
    {kUpdateLayerNameLabel, "STATIC", "Layer name :", SS_LEFT, 30, 339, 90, 20},
    {kUpdateLayerNameEdit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER, 120, 336, 240, 22},
    {kUpdatePreviewCheck, "BUTTON", "Preview", kCheck, 15, 372, 150, 20},
};

constexpr int kItemCount = static_cast<int>(sizeof kItemsEnglish / sizeof kItemsEnglish[0]);
static_assert(kItemCount == sizeof kItemsJapanese / sizeof kItemsJapanese[0]);

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// "更新"
const DialogTemplate kDialogJapanese = {"\215X\220V", kDialogStyle, 375, 430, kItemsJapanese, kItemCount};
const DialogTemplate kDialogEnglish = {"Update grading", kDialogStyle, 375, 430, kItemsEnglish, kItemCount};

const ResourceEntry kResources[] = {
    {RT_DIALOG, kUpdateGradingDialogResource, &kDialogJapanese},
    {RT_DIALOG, kUpdateGradingDialogResource + 1000, &kDialogEnglish},
};

}  // namespace

void RegisterUpdateGradingResources(HINSTANCE__* instance) {
  RegisterModuleResources(instance, kResources, 2);
}
