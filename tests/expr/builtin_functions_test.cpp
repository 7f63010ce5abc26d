// The built-in functions as a variable value or an amount would call them.
#include <cstring>

#include "expr/script.h"
#include "expr/script_fixture.h"

namespace {

class BuiltinTest : public ScriptTest {};

TEST_F(BuiltinTest, NumericFunctions) {
  ExpectValues({
      {"sin(0)", "0"},         {"cos(0)", "1"},          {"tan(0)", "0"},
      {"round(2.5)", "3"},     {"round(0-2.5)", "-3"},   {"round(0-0.4)", "0"},
      {"round(\"1e12\")", "1e+12"}, {"trunc(0-2.7)", "-2"},  {"trunc(\"9e15\")", "9e+15"},
      {"sqr(0-3)", "9"},       {"sqrt(16)", "4"},        {"max(3,5)", "5"},
      {"min(3,5)", "3"},       {"min(\"a\",2)", "0"},    {"asin(1)*2", "3.1416"},
      {"acos(1)", "0"},        {"atan(1)*4", "3.14159"}, {"sinh(0)", "0"},
      {"cosh(0)", "1"},        {"tanh(0)", "0"},         {"pow(2,10)", "1024"},
      {"abs(0-7.5)", "7.5"},   {"sqrt(0-1)", "-nan"},    {"max(1,2,3,4)", "2"},
      {"sqrt((9))", "3"},      {"max(min(4,9),3)", "4"},
  });
}

TEST_F(BuiltinTest, TextFunctionsCountShiftJisCharactersAsOne) {
  // "表示" has 0x5C ('\') as the trail byte of its first character.
  ExpectValues({
      {"length(\"\x95\x5C\x8E\xA6" "a\")", "3"},
      {"strlen(\"\")", "0"},
      {"length(\"\\g12;x\")", "2"},       // an escape through its ';'
      {"length(\"\\g123456;\")", "4"},    // six digits: six bytes, then "56;"
      {"length(\"ab\\g\")", "3"},         // an escape at the end stops at the NUL
      {"strpos(\"abc\",\"bc\")", "1"},
      {"strpos(\"abc\",\"a\")", "0"},
      {"strpos(\"abc\",\"x\")", "-1"},
      {"strpos(\"\x95\x5C" "x\",\"x\")", "2"},
      {"strpos(\"\x95\x5C\",\"\\\")", "-1"},  // never inside a character
      {"substr(\"abcdef\",2,3)", "cde"},
      {"substr(\"abcdef\",0-2,2)", "ab"},
      {"substr(\"abcdef\",1,0)", ""},
      {"substr(\"abcdef\",4,0-2)", "ef"},  // -2 + 0.5 drops to -1
      {"substr(\"abcdef\",4,0-1)", ""},  // -1 + 0.5 drops to 0,
      {"substr(\"abcdef\",40,2)", ""},
      {"substr(\"\x95\x5C\x8E\xA6" "a\",1,1)", "\x8E\xA6"},
      {"substr(\"abc\",1,\"1e30\")", "bc"},
      {"strcmp(\"a\",\"b\")", "-1"},
      {"strcmp(\"b\",\"b\")", "0"},
      {"strcmp(\"\x95\x5C\",\"a\")", "1"},
  });
}

TEST_F(BuiltinTest, LinesBreakAtCarriageReturnsAndBackslashR) {
  SetVariable(0, "doc", "\"one\\rtwo\rthree\\r\"");
  ExpectValues({
      {"countlines(\"\")", "0"},
      {"countlines(\"abc\")", "1"},
      {"countlines(doc)", "4"},
      {"countlines(\"a\nb\")", "1"},  // a line feed is no break
      {"getlines(doc,2,1)", "two"},
      {"getlines(doc,1,2)", "one\rtwo"},
      {"getlines(doc,2,5)", "two\rthree"},
      {"getlines(doc,0,0)", "one"},
      {"getlines(\"\",1,1)", ""},
      {"getlines(\"\x95\x5Cr\\rx\",1,1)", "\x95\x5Cr"},
  });
}

TEST_F(BuiltinTest, BitFunctionsKeepToThirtyTwoBits) {
  ExpectValues({
      {"bittest(12,2)", "4"},      {"bittest(12,40)", "0"},  {"bittest(13,0-5)", "1"},
      {"bitset(0,3)", "8"},        {"bitclear(15,0)", "14"}, {"bitset(0,31)", "-2147483648"},
      {"bittest(\"1e20\",0)", "1"},    {"bitset(\"-1e20\",0)", "-2147483647"},
      {"bittest(sqrt(0-1),0)", "0"}, {"bitset(2.4,0)", "3"},
  });
}

TEST_F(BuiltinTest, MovingDistanceOnlyForADistanceHandle) {
  RevisionHandle& handle = gPlugin->handles[4];
  handle.kind = kHandleDistance;
  handle.line.p1 = RealPoint{100.0, 50.0};
  handle.line.p2 = RealPoint{100.0 + 2.834645669291339 * 30, 50.0};  // 30 mm to the right
  gPlugin->grading_origin = RealPoint{100.0, 50.0};
  gPlugin->envHandleSlot = 4;

  const struct {
    int16_t direction;
    double angle;
    const char* text;
    const char* result;
  } cases[] = {
      {0, 0.0, "moving_distance(10)", "40"},
      {0, 0.0, "moving_distance(0-10)", "20"},
      {1, 0.0, "moving_distance(5)", "35"},
      {2, 0.0, "moving_distance(40)", "50"},
      {3, 0.0, "moving_distance(12.5)", "42.5"},
      {1, 3.141592653589793, "moving_distance(5)", "25"},  // the frame turns with the grading angle
      {4, 0.0, "moving_distance(5)", "30"},
  };
  for (const auto& c : cases) {
    handle.direction = c.direction;
    gPlugin->grading_angle = c.angle;
    EXPECT_EQ(Run(c.text), c.result) << c.text << " direction " << c.direction;
  }

  handle.kind = kHandleLength;
  EXPECT_EQ(Run("moving_distance(5)"), "");
  gPlugin->envHandleSlot = 900;
  EXPECT_EQ(Run("moving_distance(5)"), "");
  EXPECT_EQ(errorCode(), kScriptOk);
}

TEST_F(BuiltinTest, NamesMustMatchWholly) {
  EXPECT_EQ(Run("sinh(0)+sin(0)"), "0");
  EXPECT_EQ(Run("Sin(0)"), "");
  EXPECT_EQ(errorCode(), kScriptCommandNotFound);
  EXPECT_EQ(errorToken(), "Sin");
}

}  // namespace
