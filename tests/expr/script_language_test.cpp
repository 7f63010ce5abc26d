// What an amount or a variable value evaluates to, as the grading engine and
// the panels would see it.
#include <cstring>

#include "expr/script.h"
#include "expr/script_fixture.h"

namespace {

class LanguageTest : public ScriptTest {};

TEST_F(LanguageTest, OperatorsAndPrecedenceAsStoredDocumentsUseThem) {
  ExpectValues({
      {"100.0", "100.0"},          // a lone operand passes through unchanged
      {"123.456789+0", "123.457"}, // arithmetic writes six significant digits
      {"1+2*3", "7"},
      {"2*3+1", "7"},
      {"1>0*5", "5"},              // (1>0)*5: only a sign in front groups a product
      {"3>2*5", "5"},
      {"10-4-3", "3"},
      {"8/2/2", "2"},
      {"1+2*3*4", "25"},
      {"1+2*3>4*5", "6"},          // 1+((2*3)>4*5)
      {"2+3*-1", "4"},             // the product ends at the '-'
      {"(1+2)*3", "9"},
      {"-5", "-5"},
      {"5*-3", "2"},               // the later operator wins
      {"3&4", "34"},
      {"\"ab\"&\"cd\"", "abcd"},
      {"\"a b\"", "a b"},
      {"\"abc\"=\"xyz\"", "1"},    // texts compare as numbers
      {"7>=7", "1"}, {"7=>8", "0"}, {"3<=2", "0"}, {"3=<3", "1"},
      {"2>1", "1"}, {"2<1", "0"}, {"2==2", "1"}, {"2=3", "0"}, {"2!=3", "1"},
      {"1&&0", "0"}, {"2&&3", "1"}, {"0||0", "0"}, {"0||4", "1"},
      {"5/0", "inf"},
      {" 1 +\t2 ", "3"},
      {"", ""},
  });
}

TEST_F(LanguageTest, ConditionalsTakeTheFirstTrueBlockAndEndTheExpression) {
  SetVariable(0, "flag", "");
  ExpectValues({
      {"IF(0){1}ELSE{2}", "2"},
      {"IF(){7}", "7"},
      {"3+IF(1){4}+5", "4"},
      {"if(0){1}elseif(1){2}else{3}", "2"},
      {"IF(0){1}ELSEIF(0){2}ELSE{3}", "3"},
      {"IF(0){1}else{2}", "2"},
      {"IF(2>1){\"big\"}ELSE{\"small\"}", "big"},
      {"IF(flag){1}ELSE{2}", "2"},  // an empty value reads as 0
      {"IF(1){IF(0){5}ELSE{6}}ELSE{7}", "6"},
      {"IF(1){2+3*4}", "14"},
  });
}

struct ErrorCase {
  const char* text;
  int32_t code;
  const char* token;
  const char* partial;  // the result left by an unreported error
};

TEST_F(LanguageTest, BrokenExpressionsRaiseTheFirstErrorOnly) {
  SetVariable(0, "a", "a+1");
  const ErrorCase cases[] = {
      {"IF(0){1}", kScriptOutOfConstruction, "", ""},
      {"5+IF(0){1}+2", kScriptOutOfConstruction, "+2", "5"},
      {"IFFY", kScriptOutOfConstruction, "FY", ""},
      {"iffy+1", kScriptOutOfConstruction, "fy+1", ""},
      {"IF(1)2", kScriptOutOfConstruction, "2", ""},
      {"foo(1)+2", kScriptCommandNotFound, "foo", ""},
      {"1+zz(2)+bar(3)", kScriptCommandNotFound, "zz", ""},
      {"a", kScriptNestingLimit, "a+1", "256"},  // every level still adds its 1
      {"4+x:y(", kScriptUndefinedVariable, "x", "4"},
  };
  for (const ErrorCase& c : cases) {
    EXPECT_EQ(Run(c.text), c.partial) << c.text;
    EXPECT_EQ(errorCode(), c.code) << c.text;
    EXPECT_EQ(errorToken(), c.token) << c.text;
  }
  EXPECT_TRUE(alerts().empty());
}

TEST_F(LanguageTest, ReportedErrorShowsOneAlertAndEmptiesTheResult) {
  EXPECT_EQ(RunReported("1+foo(2)*3"), "");
  ASSERT_EQ(alerts().size(), 1u);
  EXPECT_EQ(alerts()[0], "Script Error!\ncommand not found(foo)\n1+foo(2)*3\n");
  EXPECT_EQ(errorCode(), kScriptOk);
  EXPECT_EQ(errorToken(), "");

  std::string longText = "IF(0){1}" + std::string(90, ' ');
  RunReported(longText);
  ASSERT_EQ(alerts().size(), 2u);
  EXPECT_EQ(alerts()[1], "Script Error!\nout of construction()\n" + longText.substr(0, 80) + "...\n");
}

TEST_F(LanguageTest, SilentErrorsShowNothingAndStillGiveZero) {
  gPlugin->scriptError.silent = 1;
  EXPECT_EQ(RunReported("IF(0){1}"), "");
  EXPECT_EQ(EvaluateExpressionToNumber("nothing(1)"), 0.0);
  EXPECT_TRUE(alerts().empty());
  EXPECT_EQ(EvaluateExpressionToNumber("IF(%%PRESET_IDX%%>2){110}ELSE{95}"), 95.0);
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
  ExpectValues({
      {"%%LENGTH%%", "40"},
      {"%%DISTANCE%%*2", "25"},
      {"%%RADIUS%%", "25.4"},
      {"%%GR_SCALE_H%%&\",\"&%%GR_SCALE_V%%", "1.1,1.05"},
      {"%%GR_ORIGIN_H%%", "10.5"},
      {"%%GR_ORIGIN_H%%&%%GR_ORIGIN_V%%", "6.5"},  // "10.5&-4": the minus replaces the join
      {"%%GR_ANGLE%%+%%GR_COMPSCALE%%", "1.48"},
      {"\"size %%PRESET_IDX%%\"", "size 3"},
      {"%%PRESET_NAME%%", "LL"},
      {"IF(%%PRESET_IDX%%>2){110}ELSE{95}", "110"},
      {"%% LENGTH%%", ""},
  });

  gPlugin->unitPerPoint = 0.013888888888888888;  // inches
  EXPECT_EQ(Run("%%RADIUS%%"), "1");
}

TEST_F(LanguageTest, VariablesAreEvaluatedWhereTheyAreUsed) {
  SetVariable(0, "a", "3");
  SetVariable(1, "len", "%%LENGTH%%/2");
  SetVariable(2, "label", "\"W\"&a");
  SetVariable(3, "v1", "v2+1");
  SetVariable(4, "v2", "v3+1");
  SetVariable(5, "v3", "v4+1");
  SetVariable(6, "v4", "v5+1");
  SetVariable(7, "v5", "a");
  gPlugin->envLength = 2.834645669291339 * 30;
  ExpectValues({
      {"a*2", "6"},
      {"10-a", "7"},  // a number before '-' stays a number
      {"len", "15"},
      {"label", "W3"},
      {"v1", "7"},
      {"missing+1", "1"},
  });
  SetVariable(8, std::string(79, 'n'), "5");
  EXPECT_EQ(Run(std::string(79, 'n')), "5");
  EXPECT_EQ(Run(std::string(80, 'n')), "");  // names of 80 bytes are not looked up
}

TEST_F(LanguageTest, TextCutAfterAPrefixStillEvaluates) {
  // The engine hands over what follows "moving_distance(".
  EXPECT_EQ(Run("12.5)"), "12.5");
  EXPECT_EQ(Run("12.5) * 2"), "25");
  EXPECT_EQ(Run("]}1;!,"), "1");
  EXPECT_EQ(errorCode(), kScriptOk);
}

TEST_F(LanguageTest, AmountsAsNumbers) {
  EXPECT_EQ(EvaluateExpressionToNumber("100.0"), 100.0);
  EXPECT_EQ(EvaluateExpressionToNumber("105"), 105.0);
  EXPECT_EQ(EvaluateExpressionToNumber("\"abc\""), 0.0);
  EXPECT_EQ(EvaluateExpressionToNumber("\" -2.5e1\""), -25.0);
  EXPECT_EQ(EvaluateExpressionToNumber("-2.5e1"), 0.0);  // "2.5e1" names a variable
  EXPECT_EQ(EvaluateExpressionToNumber("\"0x10\""), 0.0);
  EXPECT_EQ(EvaluateExpressionToNumber("\"inf\""), 0.0);
  EXPECT_EQ(EvaluateExpressionToNumber(nullptr), 0.0);
}

}  // namespace
