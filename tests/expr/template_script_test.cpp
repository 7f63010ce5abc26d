// Template texts: blocks in braces are evaluated, name,expression blocks set
// local variables, and each broken block says where it broke.
#include <cstdlib>

#include "expr/script.h"
#include "expr/script_fixture.h"
#include "expr/script_internal.h"

namespace {

class TemplateTest : public ScriptTest {
 protected:
  std::string Expand(const std::string& text) {
    char* out = ExpandTemplateText(text.c_str());
    std::string expanded = out;
    std::free(out);
    return expanded;
  }
};

TEST_F(TemplateTest, BlocksAreReplacedByTheirValuesAndSetLocals) {
  SetVariable(0, "w", "12");
  EXPECT_EQ(Expand("width {w * 2} mm\n"), "width 24 mm");
  EXPECT_EQ(Expand("\\{not a block} \\\\ \\n"), "{not a block} \\ \\n");
  EXPECT_EQ(Expand("{ IF(w>10){\"wide\"}ELSE{\"narrow\"} }"), "wide");
  EXPECT_EQ(Expand("\x95{{1}"), "\x95{1");  // a '{' after a lead byte belongs to the character
  RunTemplateScript("{total, 3+4}{half,total/2}{\"x,y\"}");
  EXPECT_EQ(Run("half"), "3.5");
  EXPECT_TRUE(alerts().empty());
}

TEST_F(TemplateTest, BrokenBlocksShowWhereTheyStopped) {
  for (const std::string& text :
       {std::string("ab{foo(1)}cd"), std::string("{1+IF(0){2}ELIF(1){3}}"), std::string("x{1+2"),
        std::string("{4 <!-- }"), "{" + std::string(5000, '1') + "}"}) {
    RunTemplateScript(text.c_str());
  }
  ASSERT_EQ(alerts().size(), 5u);
  EXPECT_EQ(alerts()[0], "Script Error!\ncommand not found(foo) [9 - 15 / 12]\nfoo(1)\n");
  EXPECT_EQ(alerts()[1], "Script Error!\ncommand not found(ELIF) [21 - 41 / 22]\n1+IF(0){2}ELIF(1){3}\n");
  EXPECT_EQ(alerts()[2], "Script Error!\nunclosed/unmatched parentheses [5 - 8 / 5]\n1+2\n");
  EXPECT_EQ(alerts()[3], "Script Error!\nunclosed/unmatched parentheses [3 - 4 / 9]\n4\n");
  EXPECT_EQ(alerts()[4],
            "Script Error!\ntoo many characters [4096 - 8191 / 5002]\n" + std::string(80, '1') + "...\n");
  EXPECT_EQ(errorCode(), kScriptOk);

  gPlugin->scriptError.silent = 1;
  RunTemplateScript("{nope(1)}{x{");
  EXPECT_EQ(alerts().size(), 5u);
}

}  // namespace
