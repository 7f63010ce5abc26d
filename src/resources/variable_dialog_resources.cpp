// The variable edit and variable list dialogs, in Japanese and in English.
#include "resources/variable_dialog_resources.h"

#include "win_api.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr DWORD kValueStyle = ES_MULTILINE | WS_VSCROLL | WS_BORDER;
constexpr DWORD kNamesStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
constexpr DWORD kPlainSourceStyle = CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kDrawnSourceStyle = kPlainSourceStyle | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;

#define VM_COUNT(items) static_cast<int>(sizeof(items) / sizeof((items)[0]))

// "キャンセル"
constexpr char kCancelJapanese[] = "\203L\203\203\203\223\203Z\203\213";

// clang-format off
#define VM_EDIT_ITEMS(label, isPrivate, variable, cancel)                                   \
  {kVarEditNameLabel, "STATIC", label, SS_LEFT, 10, 14, 90, 16},                           \
  {kVarEditNameField, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER, 104, 10, 236, 20},           \
  {kVarEditValueField, "EDIT", "", kValueStyle, 10, 40, 330, 120},                         \
  {kVarEditPrivateCheck, "BUTTON", isPrivate, BS_AUTOCHECKBOX, 10, 170, 160, 18},          \
  {kVarEditVariableButton, "BUTTON", variable, BS_PUSHBUTTON, 10, 198, 90, 22},            \
  {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 192, 198, 70, 22},                              \
  {IDCANCEL, "BUTTON", cancel, BS_PUSHBUTTON, 270, 198, 70, 22}
// clang-format on

// "変数名：", "プライベート変数", "変数..."
const DialogItemTemplate kEditItemsJapanese[] = {
    VM_EDIT_ITEMS("\225\317\220\224\226\274\201F", "\203v\203\211\203C\203x\201[\203g\225\317\220\224",
                  "\225\317\220\224...", kCancelJapanese)};
const DialogItemTemplate kEditItemsEnglish[] = {
    VM_EDIT_ITEMS("Variable name :", "Private variable", "Variable...", "Cancel")};

// "変数"
const DialogTemplate kEditJapanese = {"\225\317\220\224", kDialogStyle, 350, 230, kEditItemsJapanese,
                                      VM_COUNT(kEditItemsJapanese)};
const DialogTemplate kEditEnglish = {"Variable", kDialogStyle, 350, 230, kEditItemsEnglish,
                                     VM_COUNT(kEditItemsEnglish)};

// The Japanese copy draws its source entries itself.
const DialogItemTemplate kListItemsJapanese[] = {
    {kVarListSourceCombo, "COMBOBOX", "", kDrawnSourceStyle, 10, 10, 220, 20},
    {kVarListNames, "LISTBOX", "", kNamesStyle, 10, 38, 220, 200},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 82, 246, 70, 22},
    {IDCANCEL, "BUTTON", kCancelJapanese, BS_PUSHBUTTON, 160, 246, 70, 22},
};
const DialogItemTemplate kListItemsEnglish[] = {
    {kVarListSourceCombo, "COMBOBOX", "", kPlainSourceStyle, 10, 10, 220, 20},
    {kVarListNames, "LISTBOX", "", kNamesStyle, 10, 38, 220, 200},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 82, 246, 70, 22},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 160, 246, 70, 22},
};

// "変数リスト"
const DialogTemplate kListJapanese = {
    "\225\317\220\224\203\212\203X\203g", kDialogStyle, 240, 278, kListItemsJapanese,
    VM_COUNT(kListItemsJapanese)};
const DialogTemplate kListEnglish = {
    "Variable list", kDialogStyle, 240, 278, kListItemsEnglish, VM_COUNT(kListItemsEnglish)};

const StringTableEntry kStrings[] = {
    {kVarListSourceStrings, "\203\215\201[\203J\203\213\225\317\220\224"},  // "ローカル変数"
    {kVarListSourceStrings + 1, "\212\302\213\253\225\317\220\224"},        // "環境変数"
    {kVarListSourceStrings + 1000, "Local variable"},
    {kVarListSourceStrings + 1001, "Environment variable"},
};
const StringTable kStringTable = {kStrings, VM_COUNT(kStrings)};

const ResourceEntry kVariableDialogResources[] = {
    {RT_DIALOG, kVariableEditDialogId, &kEditJapanese},
    {RT_DIALOG, kVariableEditDialogId + 1000, &kEditEnglish},
    {RT_DIALOG, kVariableListDialogId, &kListJapanese},
    {RT_DIALOG, kVariableListDialogId + 1000, &kListEnglish},
    {RT_STRING, kVarListSourceStrings, &kStringTable},
};

}  // namespace

void RegisterVariableDialogResources(HINSTANCE__* instance) {
  if (instance != nullptr)
    RegisterModuleResources(instance, kVariableDialogResources, VM_COUNT(kVariableDialogResources));
}
