// Ids of the shell's resources and the controls of its dialogs.
#pragma once

struct DialogTemplate;

constexpr int kAboutDialogResource = 16150;  // English copy at 17150
constexpr int kAboutProductText = 1001;
constexpr int kAboutDescriptionText = 1002;

extern const DialogTemplate kAboutDialogJapanese;
extern const DialogTemplate kAboutDialogEnglish;
