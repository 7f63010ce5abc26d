// The preset configuration dialog, its name dialogs and the copy preset dialog,
// in Japanese and in English.
#include "resources/preset_dialog_resources.h"

#include "resources/module_resources.h"
#include "win_api.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr DWORD kPresetListStyle =
    LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
constexpr DWORD kFileComboStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;

#define VM_COUNT(items) static_cast<int>(sizeof(items) / sizeof((items)[0]))

// "キャンセル"
constexpr char kCancelJapanese[] = "\203L\203\203\203\223\203Z\203\213";

const DialogItemTemplate kConfigItemsJapanese[] = {
    // "プリセット："
    {kPresetFileLabel, "STATIC", "\203v\203\212\203Z\203b\203g\201F", SS_LEFT, 10, 12, 70, 16},
    {kPresetFileCombo, "COMBOBOX", "", kFileComboStyle, 84, 8, 220, 20},
    {kPresetList, "LISTBOX", "", kPresetListStyle, 10, 38, 220, 240},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 240, 38, 64, 22},
    {IDCANCEL, "BUTTON", kCancelJapanese, BS_PUSHBUTTON, 240, 66, 64, 22},
    {kPresetAddButton, "BUTTON", "\222\307\211\301...", BS_PUSHBUTTON, 240, 120, 64, 22},     // "追加..."
    {kPresetEditButton, "BUTTON", "\225\322\217W...", BS_PUSHBUTTON, 240, 148, 64, 22},       // "編集..."
    {kPresetRemoveButton, "BUTTON", "\215\355\217\234...", BS_PUSHBUTTON, 240, 176, 64, 22},  // "削除..."
};

const DialogItemTemplate kConfigItemsEnglish[] = {
    {kPresetFileLabel, "STATIC", "Preset :", SS_LEFT, 10, 12, 70, 16},
    {kPresetFileCombo, "COMBOBOX", "", kFileComboStyle, 84, 8, 220, 20},
    {kPresetList, "LISTBOX", "", kPresetListStyle, 10, 38, 220, 240},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 240, 38, 64, 22},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 240, 66, 64, 22},
    {kPresetAddButton, "BUTTON", "Add...", BS_PUSHBUTTON, 240, 120, 64, 22},
    {kPresetEditButton, "BUTTON", "Edit...", BS_PUSHBUTTON, 240, 148, 64, 22},
    {kPresetRemoveButton, "BUTTON", "Remove", BS_PUSHBUTTON, 240, 176, 64, 22},
};

// "プリセットの設定"
const DialogTemplate kConfigJapanese = {"\203v\203\212\203Z\203b\203g\202\314\220\335\222\350",
                                        kDialogStyle,
                                        316,
                                        292,
                                        kConfigItemsJapanese,
                                        VM_COUNT(kConfigItemsJapanese)};
const DialogTemplate kConfigEnglish = {
    "Preset config", kDialogStyle, 316, 292, kConfigItemsEnglish, VM_COUNT(kConfigItemsEnglish)};

// One name field, OK and Cancel; the field's id differs between the dialogs.
// clang-format off
#define VM_NAME_ITEMS(edit, label, cancel)                                \
  {kPresetNameLabel, "STATIC", label, SS_LEFT, 10, 14, 80, 16},           \
  {edit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER, 94, 10, 180, 20},        \
  {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 126, 42, 70, 22},              \
  {IDCANCEL, "BUTTON", cancel, BS_PUSHBUTTON, 204, 42, 70, 22}
// clang-format on

// "名称："
const DialogItemTemplate kNameItemsJapanese[] = {
    VM_NAME_ITEMS(kPresetNameEdit, "\226\274\217\314\201F", kCancelJapanese)};
const DialogItemTemplate kNameItemsEnglish[] = {VM_NAME_ITEMS(kPresetNameEdit, "Name :", "Cancel")};

// "プリセットを作成", "名称の変更"
const DialogTemplate kNewJapanese = {
    "\203v\203\212\203Z\203b\203g\202\360\215\354\220\254", kDialogStyle, 284, 76, kNameItemsJapanese, 4};
const DialogTemplate kNewEnglish = {"New preset", kDialogStyle, 284, 76, kNameItemsEnglish, 4};
const DialogTemplate kRenameJapanese = {
    "\226\274\217\314\202\314\225\317\215X", kDialogStyle, 284, 76, kNameItemsJapanese, 4};
const DialogTemplate kRenameEnglish = {"Rename preset", kDialogStyle, 284, 76, kNameItemsEnglish, 4};

// "コピー先：": OK copies the current preset's amounts into the chosen one.
const DialogItemTemplate kCopyItemsJapanese[] = {
    {kCopyPresetLabel, "STATIC", "\203R\203s\201[\220\346\201F", SS_LEFT, 10, 14, 80, 16},
    {kCopyPresetCombo, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 94, 10, 180, 20},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 126, 42, 70, 22},
    {IDCANCEL, "BUTTON", kCancelJapanese, BS_PUSHBUTTON, 204, 42, 70, 22},
};
const DialogItemTemplate kCopyItemsEnglish[] = {
    {kCopyPresetLabel, "STATIC", "Copy to :", SS_LEFT, 10, 14, 80, 16},
    {kCopyPresetCombo, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 94, 10, 180, 20},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 126, 42, 70, 22},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 204, 42, 70, 22},
};
// "プリセットのコピー"
const DialogTemplate kCopyJapanese = {"\203v\203\212\203Z\203b\203g\202\314\203R\203s\201[",
                                      kDialogStyle,
                                      284,
                                      76,
                                      kCopyItemsJapanese,
                                      VM_COUNT(kCopyItemsJapanese)};
const DialogTemplate kCopyEnglish = {
    "Copy preset", kDialogStyle, 284, 76, kCopyItemsEnglish, VM_COUNT(kCopyItemsEnglish)};

const ResourceEntry kPresetDialogResources[] = {
    {RT_DIALOG, kPresetConfigDialogResource, &kConfigJapanese},
    {RT_DIALOG, kPresetConfigDialogResource + 1000, &kConfigEnglish},
    {RT_DIALOG, kNewPresetDialogResource, &kNewJapanese},
    {RT_DIALOG, kNewPresetDialogResource + 1000, &kNewEnglish},
    {RT_DIALOG, kRenamePresetDialogResource, &kRenameJapanese},
    {RT_DIALOG, kRenamePresetDialogResource + 1000, &kRenameEnglish},
    {RT_DIALOG, kCopyPresetDialogResource, &kCopyJapanese},
    {RT_DIALOG, kCopyPresetDialogResource + 1000, &kCopyEnglish},
};

}  // namespace

void RegisterPresetDialogResources(HINSTANCE__* instance) {
  RegisterModuleResources(instance, kPresetDialogResources, VM_COUNT(kPresetDialogResources));
}
