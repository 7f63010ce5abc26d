// The simple-grading dialogs, in both languages.
// The templates are laid out by code, once, from their texts.
#include "resources/module_resources.h"
#include "resources/simple_grading_resource_ids.h"
#include "win_api.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME;
constexpr int kMaxItems = 4 + 9 + 10 * 10 + 2;

// "キャンセル", "％"
constexpr char kCancelJapanese[] = "\203\114\203\203\203\223\203\132\203\213";
constexpr char kPercentJapanese[] = "\201\223";

struct Texts {
  const char* cancel;
  const char* percent;
  const char* rotations[4];
};
const Texts kJapanese = {
    kCancelJapanese,
    kPercentJapanese,
    // "回転しない", "90°", "180°", "270°"
    {"\211\361\223\135\202\265\202\310\202\242", "90\201\213", "180\201\213", "270\201\213"}};
const Texts kEnglish = {"Cancel", "%", {"Not rotate", "90 Deg.", "180 Deg.", "270 Deg."}};

// One dialog's template and the room for its items.
struct BuiltDialog {
  DialogTemplate dialog;
  DialogItemTemplate items[kMaxItems];
};

struct Builder {
  BuiltDialog* built;
  void Add(const DialogItemTemplate& item) { built->items[built->dialog.itemCount++] = item; }
  void Buttons(int x, int y, const Texts& t) {
    Add({IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, x, y, 70, 22});
    Add({IDCANCEL, "BUTTON", t.cancel, BS_PUSHBUTTON, x + 80, y, 70, 22});
  }
  void Radios(int firstId, const char* const* texts, int count, int perColumn, int x, int y, int width) {
    for (int k = 0; k < count; ++k) {
      const DWORD style = BS_AUTORADIOBUTTON | (k == 0 ? WS_GROUP : 0);
      Add({firstId + k, "BUTTON", texts[k], style, x + width * (k / perColumn), y + 22 * (k % perColumn),
           width - 4, 18});
    }
  }
};

Builder Begin(BuiltDialog* built, const char* title, int width, int height) {
  built->dialog = {title, kDialogStyle, width, height, built->items, 0};
  return Builder{built};
}

// Body and sleeve: a picture, one labelled percentage per row, the rotations.
void BuildProportion(BuiltDialog* built, const char* title, const char* picture, const char* const* labels,
                     int rows, int labelWidth, const Texts& t) {
  const int editX = 84 + labelWidth + 6;
  const int width = editX + 94 > 330 ? editX + 94 : 330;
  const int radioY = 12 + 28 * rows + 8 > 84 ? 12 + 28 * rows + 8 : 84;
  Builder b = Begin(built, title, width, radioY + 70);
  b.Add({kProportionPicture, "STATIC", picture, SS_ICON, 10, 10, 64, 64});
  for (int k = 0; k < rows; ++k) {
    const int y = 12 + 28 * k;
    b.Add({4 + 3 * k, "STATIC", labels[k], SS_RIGHT, 84, y, labelWidth, 16});
    b.Add({kProportionEdits[k], "EDIT", "", ES_AUTOHSCROLL, editX, y - 2, 60, 20});
    b.Add({6 + 3 * k, "STATIC", t.percent, SS_LEFT, editX + 64, y, 20, 16});
  }
  b.Radios(kRotationFirstRadio, t.rotations, 4, 1, 10, radioY, 80);
  b.Buttons(width - 160, radioY + 36, t);
}

void BuildMeasurement(BuiltDialog* built, const char* title, const char* label, const char* const* types,
                      const Texts& t) {
  Builder b = Begin(built, title, 310, 176);
  b.Add({4, "STATIC", label, SS_RIGHT, 10, 12, 130, 16});
  b.Add({kMeasureLengthEdit, "EDIT", "", ES_AUTOHSCROLL, 146, 10, 80, 20});
  b.Add({6, "STATIC", "mm", SS_LEFT, 230, 12, 30, 16});
  b.Radios(kMeasureTypeFirstRadio, types, kMeasureTypeCount, 4, 10, 44, 150);
  b.Buttons(150, 140, t);
}

// The file and basic-size combos, the column headers, and a row label with
// nine cells for each of the ten rows.
void BuildSizeTable(BuiltDialog* built, const char* title, const char* const* labels,
                    const char* const* headers, const Texts& t) {
  Builder b = Begin(built, title, 780, 346);
  b.Add({3, "STATIC", labels[0], SS_RIGHT, 10, 12, 80, 16});
  b.Add({kSizeTableFileCombo, "COMBOBOX", "",
         CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL, 94, 8, 200, 240});
  b.Add({5, "STATIC", labels[1], SS_RIGHT, 310, 12, 80, 16});
  b.Add({kSizeTableBasicCombo, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 394, 8, 120, 240});
  for (int j = 0; j < 9; ++j) b.Add({11 + j, "STATIC", headers[j], SS_CENTER, 90 + 76 * j, 44, 72, 16});
  for (int i = 0; i < 10; ++i) {
    b.Add({kSizeTableRowLabel + 10 * i, "STATIC", "", SS_LEFT, 10, 68 + 24 * i, 76, 16});
    for (int j = 0; j < 9; ++j) {
      b.Add({kSizeTableFirstCell + 10 * i + j, "EDIT", "", ES_AUTOHSCROLL, 90 + 76 * j, 64 + 24 * i, 72, 20});
    }
  }
  b.Buttons(620, 312, t);
}

// "前見頃　幅：", "丈：", "バスト高さ："; "後見頃　幅："
const char* const kFrontLabelsJapanese[] = {"\221\117\214\251\215\240\201\100\225\235\201\106",
                                            "\217\344\201\106",
                                            "\203\157\203\130\203\147\215\202\202\263\201\106"};
const char* const kBackLabelsJapanese[] = {"\214\343\214\251\215\240\201\100\225\235\201\106",
                                           kFrontLabelsJapanese[1], kFrontLabelsJapanese[2]};
// "前見頃　袖幅：", "後見頃　袖幅：", "袖山高さ：", "袖丈："
const char* const kSleeveLabelsJapanese[] = {"\221\117\214\251\215\240\201\100\221\263\225\235\201\106",
                                             "\214\343\214\251\215\240\201\100\221\263\225\235\201\106",
                                             "\221\263\216\122\215\202\202\263\201\106",
                                             "\221\263\217\344\201\106"};
const char* const kFrontLabelsEnglish[] = {"Front body  width:", "height:", "Bust height:"};
const char* const kBackLabelsEnglish[] = {"Back body  width;", "height:", "Bust height:"};
const char* const kSleeveLabelsEnglish[] = {
    "Front body  sleeve width:", "Back body  sleeve width:", "Sleeve cap height:", "Sleeve length:"};

// "衿寸", "裄丈", "着丈", "バスト (×２)", "袖丈", "肩幅 (×２)", "カフス幅", "カフス丈"
const char* const kMeasureTypesJapanese[] = {"\213\334\220\241",
                                             "\345\340\217\344",
                                             "\222\205\217\344",
                                             "\203\157\203\130\203\147 (\201\176\202\121)",
                                             "\221\263\217\344",
                                             "\214\250\225\235 (\201\176\202\121)",
                                             "\203\112\203\164\203\130\225\235",
                                             "\203\112\203\164\203\130\217\344"};
const char* const kMeasureTypesEnglish[] = {"Collar width",    "Sleeve length", "Dress length",
                                            "Bust girth (*2)", "Sleeve depth",  "Shoulder width (*2)",
                                            "Cuffs width",     "Cuffs height"};

// "プリセット：", "基準サイズ："
const char* const kSizeTableLabelsJapanese[] = {"\203\166\203\212\203\132\203\142\203\147\201\106",
                                                "\212\356\217\200\203\124\203\103\203\131\201\106"};
const char* const kSizeTableLabelsEnglish[] = {"Preset :", "Basic size :"};
// "％ピッチ", then the measurements as the measurement dialog names them, bust
// and shoulder without "(×２)"
const char* const kSizeTableHeadersJapanese[] = {"\201\223\203\163\203\142\203\140",
                                                 kMeasureTypesJapanese[0],
                                                 kMeasureTypesJapanese[1],
                                                 kMeasureTypesJapanese[2],
                                                 "\203\157\203\130\203\147",
                                                 kMeasureTypesJapanese[4],
                                                 "\214\250\225\235",
                                                 kMeasureTypesJapanese[6],
                                                 kMeasureTypesJapanese[7]};
const char* const kSizeTableHeadersEnglish[] = {"% Pitch",        "Collar width", "Sleeve length",
                                                "Dress length",   "Bust girth",   "Sleeve depth",
                                                "Shoulder width", "Cuffs width",  "Cuffs height"};

enum BuiltId { kSizeTable, kFront, kBack, kSleeve, kMeasurement, kBuiltCount };
const int kResourceIds[kBuiltCount] = {kSizeTableDialogResource,   kFrontBodyDialogResource,
                                       kBackBodyDialogResource,    kSleeveDialogResource,
                                       kMeasurementDialogResource};
BuiltDialog gBuilt[2][kBuiltCount];  // Japanese, English
bool gBuiltOnce = false;

void BuildAll() {
  BuiltDialog* jp = gBuilt[0];
  BuiltDialog* en = gBuilt[1];
  // "サイズ表", "前見頃", "後見頃", "袖", "計測"
  BuildSizeTable(&jp[kSizeTable], "\203\124\203\103\203\131\225\134", kSizeTableLabelsJapanese,
                 kSizeTableHeadersJapanese, kJapanese);
  BuildProportion(&jp[kFront], "\221\117\214\251\215\240", "#16101", kFrontLabelsJapanese, 3, 110, kJapanese);
  BuildProportion(&jp[kBack], "\214\343\214\251\215\240", "#16102", kBackLabelsJapanese, 3, 110, kJapanese);
  BuildProportion(&jp[kSleeve], "\221\263", "#16103", kSleeveLabelsJapanese, 4, 110, kJapanese);
  // "計測長さ："
  BuildMeasurement(&jp[kMeasurement], "\214\166\221\252", "\214\166\221\252\222\267\202\263\201\106",
                   kMeasureTypesJapanese, kJapanese);

  BuildSizeTable(&en[kSizeTable], "Size table", kSizeTableLabelsEnglish, kSizeTableHeadersEnglish, kEnglish);
  BuildProportion(&en[kFront], "Front body", "#16101", kFrontLabelsEnglish, 3, 170, kEnglish);
  BuildProportion(&en[kBack], "Back body", "#16102", kBackLabelsEnglish, 3, 170, kEnglish);
  BuildProportion(&en[kSleeve], "Sleeve", "#16103", kSleeveLabelsEnglish, 4, 170, kEnglish);
  BuildMeasurement(&en[kMeasurement], "Measurement", "Measurement length:", kMeasureTypesEnglish, kEnglish);
}

}  // namespace

void RegisterSimpleGradingResources(HINSTANCE__* instance) {
  if (!gBuiltOnce) {
    BuildAll();
    gBuiltOnce = true;
  }
  ResourceEntry entries[2 * kBuiltCount];
  int n = 0;
  for (int language = 0; language < 2; ++language) {
    for (int d = 0; d < kBuiltCount; ++d) {
      entries[n++] = {RT_DIALOG, kResourceIds[d] + 1000 * language, &gBuilt[language][d].dialog};
    }
  }
  RegisterModuleResources(instance, entries, n);
}
