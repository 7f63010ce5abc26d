// One text, one number: a variable's value read into the size table, the same
// text as an operand of an expression, a stored tag, a size-table file and the
// preferences file all read the decimal number at the start of the text.
#include "expr/script.h"
#include "host/host_driver.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/preferences_file.h"
#include "store/size_table_file.h"
#include "store_scene.h"

namespace vmtest {
namespace {

using NumberReadingTest = StoreScene;

TEST_F(NumberReadingTest, TheSameTextGivesTheSameNumberWhereverItIsRead) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle arts[] = {Rect(piece, 0, 0, 100, 50), Rect(piece, 200, 0, 260, 80)};
  SetPiece({arts[0], arts[1]});
  globals().language = 1;
  const struct {
    const char* text;
    double number;  // 0 also for a text that holds no number
    bool isNumber;
    int32_t integer;  // 0 also for a number beyond 32 bits
  } cases[] = {
      {"0x10", 0, true, 0},          {"12.5mm", 12.5, true, 12}, {" -3", -3, true, -3}, {".5", 0.5, true, 0},
      {"1e3", 1000, true, 1000},     {"+7,2", 7, true, 7},       {"1e999", 0, false, 0}, {"inf", 0, false, 0},
      {"nan", 0, false, 0},          {"x1", 0, false, 0},
      {"4294967297", 4294967297.0, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    // A simple-grading piece whose size table comes from its variables.
    WriteStringTag(piece, "vmk_grading_origin", "0,0,1");
    WriteStringTag(piece, kSimpleGradingObjectTypeKey, "1,0,0,0,0,0,0,0");
    WriteStringTag(piece, "vmk_grading_angle", c.text);
    WriteStringTag(piece, kGradingSerialKey, c.text);
    WriteStringTag(piece, "vmk_grading_var_name_000", "pitch_M");
    WriteStringTag(piece, "vmk_grading_var_value_000000", c.text);
    globals().sizeTable[1].pitch = 55;
    PresetRecord& m = globals().presets[1];
    m = PresetRecord{"M", 1, 1, 0, 1};
    ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
    EXPECT_EQ(globals().sizeTable[1].pitch, c.number) << "the size table from the variable";
    EXPECT_EQ(globals().grading_angle, c.number) << "a stored tag";
    EXPECT_EQ(static_cast<int32_t>(globals().grading_serial), c.integer) << "a stored whole number";
    EXPECT_EQ(EvaluateExpressionToNumber((std::string("\"") + c.text + "\"").c_str()), c.number)
        << "the text as an expression's value";

    WriteHostFile(PrefsFile("Vestamark/SizeTable/T.ini"),
                  std::string("grading_size_table_01 = ") + c.text + ",1,2,3,4,5,6,7,8\r\n");
    ReadSizeTableFile("T");
    EXPECT_EQ(globals().sizeTable[0].pitch, c.number) << "a size-table file";

    // The preferences take a setting only when it is a number.
    globals().flGrDistance = 9;
    WriteHostFile(PrefsFile("Vestamark.ini"), std::string("flGrDistance = ") + c.text + "\r\n");
    ReadPreferencesIni();
    EXPECT_EQ(globals().flGrDistance, c.isNumber ? c.number : 9) << "the preferences file";
  }
}

}  // namespace
}  // namespace vmtest
