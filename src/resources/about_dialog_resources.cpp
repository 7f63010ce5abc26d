// The About dialog in both languages.
#include "resources/shell_resource_ids.h"
#include "win_api.h"

namespace {

const DialogItemTemplate kAboutItemsJapanese[] = {
    {kAboutProductText, "STATIC", "Vestamark", SS_CENTER, 10, 12, 220, 16},
    // "パターングレーディング プラグイン"
    {kAboutDescriptionText, "STATIC",
     "\203p\203^\201[\203\223\203O\203\214\201[\203f\203B\203\223\203O \203v\203\211\203O\203C\203\223",
     SS_CENTER, 10, 32, 220, 16},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 85, 60, 70, 22},
};

const DialogItemTemplate kAboutItemsEnglish[] = {
    {kAboutProductText, "STATIC", "Vestamark", SS_CENTER, 10, 12, 220, 16},
    {kAboutDescriptionText, "STATIC", "Pattern grading plug-in", SS_CENTER, 10, 32, 220, 16},
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 85, 60, 70, 22},
};

}  // namespace

// "Vestamark について"
const DialogTemplate kAboutDialogJapanese = {"Vestamark \202\311\202\302\202\242\202\304",
                                             WS_POPUP | WS_CAPTION | DS_MODALFRAME,
                                             240,
                                             92,
                                             kAboutItemsJapanese,
                                             3};
const DialogTemplate kAboutDialogEnglish = {
    "About Vestamark", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 240, 92, kAboutItemsEnglish, 3};
