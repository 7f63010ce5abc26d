// The basic settings dialog in both languages, and the compilation scales.
#include "resources/basic_settings_resource_ids.h"
#include "win_api.h"

namespace {

constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER;

// Layout shared by both copies; only the texts differ.
struct ItemTexts {
  const char* origin;
  const char* angle;
  const char* scale;
  const char* lock;
  const char* percent;
  const char* compScale;
  const char* name;
  const char* unit;
};

#define VM_BASIC_ITEMS(t)                                                                     \
  {                                                                                           \
    {IDOK, "BUTTON", "OK", BS_DEFPUSHBUTTON, 290, 12, 75, 24},                                \
        {IDCANCEL, "BUTTON", "Cancel", BS_PUSHBUTTON, 290, 42, 75, 24},                       \
        {kBasicOriginLabel, "STATIC", t.origin, SS_RIGHT, 10, 15, 110, 18},                   \
        {kBasicOriginXEdit, "EDIT", "", kEdit, 125, 12, 65, 22},                              \
        {kBasicOriginYEdit, "EDIT", "", kEdit, 195, 12, 65, 22},                              \
        {kBasicUnitNameLabel, "STATIC", "mm", SS_LEFT, 264, 15, 24, 18},                      \
        {kBasicAngleLabel, "STATIC", t.angle, SS_RIGHT, 10, 43, 110, 18},                     \
        {kBasicAngleEdit, "EDIT", "", kEdit, 125, 40, 65, 22},                                \
        {kBasicScaleLabel, "STATIC", t.scale, SS_RIGHT, 10, 71, 110, 18},                     \
        {kBasicScaleHEdit, "EDIT", "", kEdit, 125, 68, 65, 22},                               \
        {kBasicScaleVEdit, "EDIT", "", kEdit, 195, 68, 65, 22},                               \
        {kBasicScalePercentLabel, "STATIC", t.percent, SS_LEFT, 264, 71, 24, 18},             \
        {kBasicLockCheck, "BUTTON", t.lock, BS_AUTOCHECKBOX, 125, 94, 160, 20},               \
        {kBasicCompScaleLabel, "STATIC", t.compScale, SS_RIGHT, 10, 125, 110, 18},            \
        {kBasicCompScaleCombo, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL, 125, 122, 80, 200}, \
        {kBasicCompPercentLabel, "STATIC", t.percent, SS_LEFT, 209, 125, 24, 18},             \
        {kBasicNameLabel, "STATIC", t.name, SS_RIGHT, 10, 153, 110, 18},                      \
        {kBasicNameEdit, "EDIT", "", kEdit, 125, 150, 160, 22},                               \
        {kBasicUnitLabel, "STATIC", t.unit, SS_RIGHT, 10, 181, 110, 18},                      \
        {kBasicUnitCombo, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 125, 178, 80, 120},  \
  }

// "基準点：", "角度：", "基準拡大率：", "縦横比固定", "％", "編集縮尺：", "名称：", "単位："
constexpr ItemTexts kJapanese = {"\212\356\217\200\223_\201F",
                                 "\212p\223x\201F",
                                 "\212\356\217\200\212g\221\345\227\246\201F",
                                 "\217c\211\241\224\344\214\305\222\350",
                                 "\201\223",
                                 "\225\322\217W\217k\216\332\201F",
                                 "\226\274\217\314\201F",
                                 "\222P\210\312\201F"};
constexpr ItemTexts kEnglish = {
    "Origin :", "Angle :", "Standard scale :", "Aspect ratio fixation", "%", "Compilation scale :",
    "Name :",   "Unit :"};

const DialogItemTemplate kItemsJapanese[] = VM_BASIC_ITEMS(kJapanese);
const DialogItemTemplate kItemsEnglish[] = VM_BASIC_ITEMS(kEnglish);
#undef VM_BASIC_ITEMS

constexpr int kItemCount = static_cast<int>(sizeof kItemsEnglish / sizeof kItemsEnglish[0]);

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// "基本設定"
const DialogTemplate kDialogJapanese = {
    "\212\356\226{\220\335\222\350", kDialogStyle, 375, 215, kItemsJapanese, kItemCount};
const DialogTemplate kDialogEnglish = {"Basic settings", kDialogStyle, 375, 215, kItemsEnglish, kItemCount};

const StringTableEntry kStrings[] = {
    {16301, "10"},  {16302, "20"},  {16303, "25"},  {16304, "33.33"}, {16305, "50"},
    {16306, "100"}, {16307, "150"}, {16308, "200"}, {16309, "300"},   {16310, "500"},
    {17301, "10"},  {17302, "20"},  {17303, "25"},  {17304, "33.33"}, {17305, "50"},
    {17306, "100"}, {17307, "150"}, {17308, "200"}, {17309, "300"},   {17310, "500"},
};
const StringTable kStringTable = {kStrings, static_cast<int>(sizeof kStrings / sizeof kStrings[0])};

const ResourceEntry kResources[] = {
    {RT_DIALOG, kBasicSettingsDialogResource, &kDialogJapanese},
    {RT_DIALOG, kBasicSettingsDialogResource + 1000, &kDialogEnglish},
    {RT_STRING, kBasicCompScaleStrings, &kStringTable},
};

}  // namespace

void RegisterBasicSettingsResources(HINSTANCE__* instance) {
  if (instance != nullptr) RegisterModuleResources(instance, kResources, 3);
}
