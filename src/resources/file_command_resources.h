// Resources shared by the dialogs that keep named files (presets, size tables):
// the name dialog of "Save As..." and the combo rows of the file commands.
// Japanese ids; the English copies are 1000 higher.
#pragma once

constexpr int kSaveFileAsDialogResource = 16061;
constexpr int kSaveFileAsNameEdit = 3;
constexpr int kSaveFileAsNameLabel = 4;

// "-", "Save", "Save As...", "Delete", at the end of a file combo.
constexpr int kFileCommandStrings = 16175;
constexpr int kFileCommandCount = 4;

// The failure message and the questions of the file commands, in both languages.
inline constexpr char kSaveFailedEnglish[] =
    "Create '%s' File is Failed.\rDestination file already exists or filename is invalid.";
// "\"%s\" ファイルを作成出来ませんでした。[%d]\rファイル名が不適切か重複しています。"
inline constexpr char kSaveFailedJapanese[] =
    "\"%s\" "
    "\203t\203@\203C\203\213\202\360\215\354\220\254\217o\227\210\202\334\202\271\202\361\202\305\202\265"
    "\202\275\201B[%d]\r\203t\203@"
    "\203C\203\213\226\274\202\252\225s\223K\220\330\202\251\217d\225\241\202\265"
    "\202\304\202\242\202\334\202\267\201B";
inline constexpr char kOverwriteEnglish[] = "The file already exists. \rDo you want the '%s' file to overwrite?";
// "プリセット \"%s\" が重複しています。\r上書きしてよろしいですか？"
inline constexpr char kOverwriteJapanese[] =
    "\203v\203\212\203Z\203b\203g \"%s\" \202\252\217d\225\241\202\265\202\304\202\242\202\334\202\267\201B\r"
    "\217\343\217\221\202\253\202\265\202\304\202\346\202\353\202\265\202\242\202\305\202\267\202\251\201H";
inline constexpr char kDeleteFileEnglish[] = "Do you want to completely remove the file \"%s\"?";
// "プリセット \"%s\" を完全に削除しますか？"
inline constexpr char kDeleteFileJapanese[] =
    "\203v\203\212\203Z\203b\203g \"%s\" "
    "\202\360\212\256\221S\202\311\215\355\217\234\202\265\202\334\202\267"
    "\202\251\201H";
