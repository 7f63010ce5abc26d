// Damaged tags and imported texts reach the evaluator as they are: whatever
// the bytes, it ends, stays inside its buffers and reports at most one error.
#include <cstring>
#include <string>

#include "expr/script.h"
#include "expr/script_fixture.h"

namespace {

class RobustnessTest : public ScriptTest {};

TEST_F(RobustnessTest, SelfReferencesEndWithTheNestingError) {
  SetVariable(0, "a", "a+a");
  SetVariable(1, "b", "c");
  SetVariable(2, "c", "b*2");
  for (int i = 0; i < 60; ++i) {
    const std::string next = std::string("f").append(std::to_string(i + 1));
    SetVariable(3 + i, std::string("f").append(std::to_string(i)), next + "+" + next);
  }
  for (const std::string& text :
       {std::string("a"), std::string("b"), std::string("f0"), std::string(20000, '(')}) {
    EXPECT_EQ(RunReported(text), "") << text.substr(0, 10);
  }
  ASSERT_EQ(alerts().size(), 4u);
  EXPECT_EQ(alerts()[0], "Script Error!\nnested functions limit(a+a)\na\n");
  EXPECT_EQ(alerts()[1], "Script Error!\nnested functions limit(c)\nb\n");
  // A wide fan of variables stops at the text it had reached.
  EXPECT_EQ(alerts()[2].rfind("Script Error!\nnested functions limit(", 0), 0u);
  EXPECT_EQ(alerts()[2].substr(alerts()[2].size() - 4), "\nf0\n");
}

TEST_F(RobustnessTest, LongTextsAreCutNeverOverrun) {
  std::strcpy(gPlugin->presets[0].name, std::string(80, 'N').c_str());
  std::string names;
  for (int i = 0; i < 600; ++i) names += "%%PRESET_NAME%%&";
  std::string x5000(5000, 'x');
  std::string sjis;
  for (int i = 0; i < 3000; ++i) sjis += "\x95\x5C";
  const std::pair<std::string, size_t> cases[] = {
      {names + "1", 4095},
      {"\"" + x5000 + "\"", 4095},
      {"\"" + x5000 + "\"&\"" + x5000 + "\"", 4095},
      {"\"" + sjis + "\"", 4094},  // never half a character
      {"length(\"" + x5000 + "\")", 4},
      {"IF(1){\"" + x5000 + "\"}", 4094},
      {"substr(\"" + sjis + "\",0,5000)", 4094},
  };
  for (const auto& [text, length] : cases) EXPECT_EQ(Run(text).size(), length) << text.substr(0, 40);
  ExpectValues({
      {"\"ab\x95", "ab\x95"},
      {"length(\"\x95", "1"},
      {"length(\"\\g", "1"},
      {"length(\"ab\\g\")", "3"},
      {"countlines(\"\\", "1"},
      {"getlines(\"a\\", "a\\"},
      {"IF(1){", ""},
      {"IF(0){}ELSE{", ""},
      {"max(", "0"},
      {"(", ""},
      {"\"", ""},
      {"]}1;!,", "1"},
  });
}

TEST_F(RobustnessTest, ArbitraryBytesNeverCrash) {
  const char alphabet[] =
      "0123456789.+-*/=<>!&|(){}[],;:\"\\%#$?~'IFELSEifelse ab\x81\x95\x5C\x7C\xE0\xFC\xFD\xA0\r\n";
  SetVariable(0, "a", "a+1");
  SetVariable(1, "ab", "IF(a){ab}ELSE{2}");
  uint32_t seed = 12345;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    seed = seed * 1103515245u + 12345u;
    for (size_t i = 0, length = (seed >> 16) % 120; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
    }
    char result[kScriptValueSize];
    RunScript(text.c_str(), result, round % 2);
    ASSERT_LT(std::strlen(result), kScriptValueSize) << text;
    RunTemplateScript(text.c_str());
  }
}

}  // namespace
