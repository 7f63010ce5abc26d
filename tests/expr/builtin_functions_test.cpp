// The built-in functions as a variable value or an amount calls them.
#include "expr/script.h"
#include "expr/script_fixture.h"

namespace {

class BuiltinTest : public ScriptTest {};

TEST_F(BuiltinTest, NumericFunctions) {
  ExpectValues({
      {"sin(0)&cos(0)&tan(0)&acos(1)&sinh(0)&cosh(0)&tanh(0)", "0100010"},
      {"round(2.5)&\",\"&round(0-2.5)&\",\"&round(0-0.4)&\",\"&trunc(0-2.7)", "3,-3,0,-2"},
      {"round(\"1e12\")", "1e+12"},
      {"sqr(0-3)&sqrt(16)&max(3,5)&min(3,5)&min(\"a\",2)", "94530"},
      {"(asin(1)*2)&\",\"&(atan(1)*4)", "3.1416,3.14159"},  // each result is written with "%g"
      {"pow(2,10)&\",\"&abs(0-7.5)", "1024,7.5"},
      {"sqrt(0-1)", "-nan"},
      {"max(1,2,3,4)", "2"},
      {"max(min(4,9),(3))", "4"},
  });
  EXPECT_EQ(Run("Sin(0)"), "");
  EXPECT_EQ(errorToken(), "Sin");
}

TEST_F(BuiltinTest, TextFunctionsCountShiftJisCharactersAsOne) {
  // The first character of "表示" has a backslash as its second byte.
  ExpectValues({
      {"length(\"\x95\x5C\x8E\xA6"
       "a\")&strlen(\"\")",
       "30"},
      {"length(\"\\g12;x\")&length(\"\\g123456;\")&length(\"\\g12345;\")", "241"},  // ';' ends, else six bytes
      {"strpos(\"abc\",\"bc\")&strpos(\"abc\",\"a\")&strpos(\"abc\",\"x\")", "10-1"},
      {"strpos(\"\x95\x5C"
       "x\",\"x\")&strpos(\"\x95\x5C\",\"\\\")",
       "2-1"},
      {"substr(\"abcdef\",2,3)&substr(\"abcdef\",0-2,2)&substr(\"abcdef\",1,0)", "cdeab"},
      {"substr(\"abcdef\",4,0-2)&substr(\"abcdef\",4,0-1)", "ef"},  // -1 + 0.5 drops to 0
      {"substr(\"abcdef\",40,2)&substr(\"abc\",1,\"1e30\")", "bc"},
      {"substr(\"\x95\x5C\x8E\xA6"
       "a\",1,1)",
       "\x8E\xA6"},
      {"strcmp(\"a\",\"b\")&strcmp(\"b\",\"b\")&strcmp(\"\x95\x5C\",\"a\")", "-101"},
  });
}

TEST_F(BuiltinTest, LinesBreakAtCarriageReturnsAndBackslashR) {
  SetVariable(0, "doc", "\"one\\rtwo\rthree\\r\"");
  ExpectValues({
      {"countlines(\"\")&countlines(\"abc\")&countlines(doc)&countlines(\"a\nb\")", "0141"},
      {"getlines(doc,2,1)", "two"},
      {"getlines(doc,1,2)", "one\rtwo"},
      {"getlines(doc,2,5)", "two\rthree"},
      {"getlines(doc,0,0)", "one"},
      {"getlines(\"\x95\x5Cr\\rx\",1,1)", "\x95\x5Cr"},
  });
}

TEST_F(BuiltinTest, BitFunctionsKeepToThirtyTwoBits) {
  ExpectValues({
      {"bittest(12,2)&bittest(12,40)&bittest(13,0-5)&bitset(0,3)&bitclear(15,0)", "401814"},
      {"bitset(0,31)", "-2147483648"},
      {"bittest(\"1e20\",0)&bittest(sqrt(0-1),0)&bitset(2.4,0)", "103"},
      {"bitset(\"-1e20\",0)", "-2147483647"},
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
    double rise = 0, originRise = 0;  // millimetres from the first end up to the second end, the origin
  } cases[] = {
      {0, 0.0, "moving_distance(10)", "40"},
      {0, 0.0, "moving_distance(0-10)", "20"},
      {1, 0.0, "moving_distance(5)", "35"},
      {2, 0.0, "moving_distance(40)", "50"},
      {3, 0.0, "moving_distance(12.5)", "42.5"},
      {1, 3.141592653589793, "moving_distance(5)", "25"},  // the frame turns with the grading angle
      {4, 0.0, "moving_distance(5)", "30"},
      {2, 0.0, "moving_distance(10)", "42.4264", 40},  // the end moves down
      {1, 1.5707963267948966, "moving_distance(5)", "54.0833", 40},
      {3, 0.0, "moving_distance(10)", "36.8782", 0, 40},  // away from the origin, not along the handle
  };
  for (const auto& c : cases) {
    handle.line.p2.v = 50.0 + 2.834645669291339 * c.rise;
    gPlugin->grading_origin.v = 50.0 + 2.834645669291339 * c.originRise;
    handle.direction = c.direction;
    gPlugin->grading_angle = c.angle;
    EXPECT_EQ(Run(c.text), c.result) << c.text << " direction " << c.direction;
  }
  handle.kind = kHandleLength;
  EXPECT_EQ(Run("moving_distance(5)"), "");
  gPlugin->envHandleSlot = 900;
  EXPECT_EQ(Run("moving_distance(5)"), "");
}

}  // namespace
