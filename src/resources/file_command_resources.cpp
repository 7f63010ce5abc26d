// The "Save As..." name dialog and the file command rows, in Japanese and in
// English.
#include "resources/file_command_resources.h"

#include "resources/module_resources.h"
#include "win_api.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;

// "設定の名称：", "キャンセル"
const DialogItemTemplate kItemsJapanese[] = {
    {kSaveFileAsNameLabel, "STATIC", "\220\335\222\350\202\314\226\274\217\314\201\106", SS_RIGHT, 10, 14, 90,
     16},
    {kSaveFileAsNameEdit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER, 104, 10, 170, 20},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 126, 42, 70, 22},
    {IDCANCEL, "BUTTON", "\203\114\203\203\203\223\203\132\203\213", BS_PUSHBUTTON, 204, 42, 70, 22},
};
const DialogItemTemplate kItemsEnglish[] = {
    {kSaveFileAsNameLabel, "STATIC", "Preset Name :", SS_RIGHT, 10, 14, 90, 16},
    {kSaveFileAsNameEdit, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER, 104, 10, 170, 20},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 126, 42, 70, 22},
    {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 204, 42, 70, 22},
};

// "保存"
const DialogTemplate kSaveAsJapanese = {"\225\333\221\266", kDialogStyle, 284, 76, kItemsJapanese, 4};
const DialogTemplate kSaveAsEnglish = {"Save File As", kDialogStyle, 284, 76, kItemsEnglish, 4};

const StringTableEntry kCommands[] = {
    // "-", "保存", "別名で保存...", "削除"
    {kFileCommandStrings + 0, "-"},
    {kFileCommandStrings + 1, "\225\333\221\266"},
    {kFileCommandStrings + 2, "\225\312\226\274\202\305\225\333\221\266..."},
    {kFileCommandStrings + 3, "\215\355\217\234"},
    {kFileCommandStrings + 1000, "-"},
    {kFileCommandStrings + 1001, "Save"},
    {kFileCommandStrings + 1002, "Save As..."},
    {kFileCommandStrings + 1003, "Delete"},
};
const StringTable kCommandTable = {kCommands, 8};

const ResourceEntry kEntries[] = {
    {RT_DIALOG, kSaveFileAsDialogResource, &kSaveAsJapanese},
    {RT_DIALOG, kSaveFileAsDialogResource + 1000, &kSaveAsEnglish},
    {RT_STRING, kFileCommandStrings, &kCommandTable},
};

}  // namespace

void RegisterFileCommandResources(HINSTANCE__* instance) {
  RegisterModuleResources(instance, kEntries, static_cast<int>(sizeof kEntries / sizeof kEntries[0]));
}
