// What an amount or a variable value evaluates to, as the grading engine and
// the panels see it.
#include <cstring>

#include "expr/script.h"
#include "expr/script_fixture.h"

namespace {

class LanguageTest : public ScriptTest {};

TEST_F(LanguageTest, OperatorsConditionalsAndTheirQuirks) {
  SetVariable(0, "a", "3");
  SetVariable(1, "flag", "");
  ExpectValues({
      {"100.0", "100.0"},           // a lone operand passes through unchanged
      {"123.456789+0", "123.457"},  // arithmetic writes six significant digits
      {"(1+2*3)&(2*3+1)&(1+2*3*4)&((1+2)*3)&(10-4-3)", "772593"},
      {"1>0*5", "5"},          // (1>0)*5: only a sign in front groups a product
      {"10-2*3", "4"},
      {"1+2*3>5", "1"},        // (1+(2*3))>5
      {"\"-\"&2*3", "-6"},     // a sign inside a quoted text groups nothing
      {"1+2*3>4*5", "6"},      // 1+((2*3)>4*5)
      // The product after a sign ends at every operator of its level.
      {"1+2*3&4", "74"},
      {"1+2*3=6", "0"},  // (1+(2*3))=6
      {"1+2*3||0", "1"},
      {"1+2*3&&0", "0"},
      {"2+3*-1", "4"},         // the product ends at the '-'
      {"(-5)&(5*-3)", "-52"},  // the later operator wins
      {"3&4&\"ab\"&\" c\"", "34ab c"},
      {"\"abc\"=\"xyz\"", "1"},  // texts compare as numbers
      {"(7>=7)&(7=>8)&(3<=2)&(3=<3)&(2>1)&(2<1)&(8=>8)", "1001101"},
      {"(2==2)&(2=3)&(2!=3)&(2&&3)&(1&&0)&(0||4)&(3!=2)", "1011011"},
      {"5/0", "inf"},
      {" 1 +\t2 ", "3"},
      {"10-a", "7"},  // a number before '-' stays a number
      {"IF(0){1}ELSE{2}", "2"},
      {"IF(){7}", "7"},
      {"3+IF(1){4}+5", "4"},
      {"if(0){1}elseif(1){2}else{3}", "2"},
      {"IF(0){1}ELSEIF(0){2}ELSE{3}", "3"},
      {"IF(flag){1}ELSE{2}", "2"},  // an empty value reads as 0
      {"IF(1){IF(0){5}ELSE{6}}ELSE{7}", "6"},
      {"12.5) * 2", "25"},  // what the engine hands over after "moving_distance("
  });
}

TEST_F(LanguageTest, BrokenExpressionsKeepTheFirstErrorOnly) {
  SetVariable(0, "a", "a+1");
  const struct {
    const char* text;
    int32_t code;
    const char* token;
    const char* partial;  // the result an unreported error leaves
  } cases[] = {
      {"IF(0){1}", kScriptOutOfConstruction, "", ""},   {"5+IF(0){1}+2", kScriptOutOfConstruction, "+2", "5"},
      {"iffy+1", kScriptOutOfConstruction, "fy+1", ""},  // a name beginning with "if"
      {"IF(1)2", kScriptOutOfConstruction, "2", ""},    {"1+zz(2)+bar(3)", kScriptCommandNotFound, "zz", ""},
      {"a", kScriptNestingLimit, "a+1", "256"},  // every level still adds its 1
      {"4+x:y(", kScriptUndefinedVariable, "x", "4"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.text), c.partial) << c.text;
    EXPECT_EQ(errorCode(), c.code) << c.text;
    EXPECT_EQ(errorToken(), c.token) << c.text;
  }
  EXPECT_TRUE(alerts().empty());
}

TEST_F(LanguageTest, ReportedErrorShowsOneAlertAndGivesZero) {
  EXPECT_EQ(RunReported("1+foo(2)*3"), "");
  std::string longText = "IF(0){1}" + std::string(90, ' ');
  EXPECT_EQ(EvaluateExpressionToNumber(longText.c_str()), 0.0);
  ASSERT_EQ(alerts().size(), 2u);
  EXPECT_EQ(alerts()[0], "Script Error!\ncommand not found(foo)\n1+foo(2)*3\n");
  EXPECT_EQ(alerts()[1], "Script Error!\nout of construction()\n" + longText.substr(0, 80) + "...\n");
  EXPECT_EQ(errorCode(), kScriptOk);

  gPlugin->scriptError.silent = 1;
  EXPECT_EQ(RunReported("IF(0){1}"), "");
  EXPECT_EQ(alerts().size(), 2u);
}

// A faulty amount counts as 0, not as the part before the fault; the alert
// quotes the source cut at 80 bytes, marked when 80 or more.
TEST_F(LanguageTest, AReportedErrorDropsThePartialValueAndQuotesEightyBytes) {
  EXPECT_EQ(Run("5+IF(0){1}+2"), "5");
  EXPECT_EQ(RunReported("5+IF(0){1}+2"), "");
  EXPECT_EQ(EvaluateExpressionToNumber("7+x:y("), 0.0);
  const std::string source79 = "3+IF(0){1}" + std::string(69, '1');
  const std::string source80 = source79 + "1";
  EXPECT_EQ(RunReported(source79), "");
  EXPECT_EQ(RunReported(source80), "");
  ASSERT_EQ(alerts().size(), 4u);
  EXPECT_EQ(alerts()[1], "Script Error!\nundefined variable(x)\n7+x:y(\n");
  EXPECT_EQ(alerts()[2], "Script Error!\nout of construction(" + source79.substr(10, 31) + ")\n" + source79 + "\n");
  EXPECT_EQ(alerts()[3], "Script Error!\nout of construction(" + source80.substr(10, 31) + ")\n" + source80 + "...\n");
}

TEST_F(LanguageTest, MacrosReadTheHandleBeingGradedInTheUsersUnit) {
  gPlugin->envLength = 2.834645669291339 * 40;  // 40 mm
  gPlugin->envDistance = 2.834645669291339 * 12.5;
  gPlugin->envRadius = 72.0;
  gPlugin->currentScaleIndex = 2;
  gPlugin->currentPresetSlot = 1;
  std::strcpy(gPlugin->presets[1].name, "LL");
  gPlugin->presetScale[2] = ScalePair{1.1, 1.05};
  gPlugin->grading_origin = RealPoint{10.5, -4.0};
  gPlugin->grading_angle = 0.5;
  gPlugin->grading_compscale = 0.98;
  SetVariable(0, "half", "%%LENGTH%%/2");
  ExpectValues({
      {"%%LENGTH%%&\",\"&(%%DISTANCE%%*2)&\",\"&%%RADIUS%%&\",\"&half", "40,25,25.4,20"},
      {"%%GR_SCALE_H%%&\",\"&%%GR_SCALE_V%%&\",\"&(%%GR_ANGLE%%+%%GR_COMPSCALE%%)", "1.1,1.05,1.48"},
      {"%%GR_ORIGIN_H%%&%%GR_ORIGIN_V%%", "6.5"},  // "10.5&-4": the minus replaces the join
      {"\"size %%PRESET_IDX%% \"&%%PRESET_NAME%%", "size 3 LL"},
      {"IF(%%PRESET_IDX%%>2){110}ELSE{95}", "110"},
  });
  gPlugin->unitPerPoint = 0.013888888888888888;  // inches
  EXPECT_EQ(Run("%%RADIUS%%"), "1");
}

TEST_F(LanguageTest, VariablesAreEvaluatedWhereTheyAreUsed) {
  const char* chain[][2] = {
      {"v1", "v2+1"}, {"v2", "v3+1"}, {"v3", "v4+1"}, {"v4", "v5&\"0\""}, {"v5", "\"W\""}};
  for (int row = 0; row < 5; ++row) SetVariable(row, chain[row][0], chain[row][1]);
  SetVariable(5, std::string(79, 'n'), "5");
  ExpectValues({{"v4&v1&(missing+1)", "W031"}, {std::string(79, 'n'), "5"}});
  EXPECT_EQ(Run(std::string(80, 'n')), "");  // names of 80 bytes are not looked up
  EXPECT_EQ(EvaluateExpressionToNumber("\" -2.5e1\""), -25.0);
  EXPECT_EQ(EvaluateExpressionToNumber("-2.5e1"), 0.0);  // "2.5e1" names a variable
  EXPECT_EQ(EvaluateExpressionToNumber("\"0x10\""), 0.0);
}

}  // namespace
