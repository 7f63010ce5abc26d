// The About dialog opens in the copy of the UI language.
#include "support/module_fixture.h"
#include "win_driver.h"

using namespace vmtest;

namespace {

using AboutDialogTest = ModuleTest;

TEST_F(AboutDialogTest, OpensFromTheMenuAndTheHostInEveryLanguage) {
  struct Case {
    int16_t language;
    int expectedId;
  } cases[] = {{0, 16150}, {1, 17150}, {2, 17150}};
  for (const Case& c : cases) {
    globals().language = c.language;
    vmwin::ScriptDialog(c.expectedId, {vmwin::Click(IDOK)});
    ASSERT_EQ(vmhost::MenuGo(globals().aboutMenuItem), kNoErr);
    ASSERT_FALSE(vmwin::ShownDialogs().empty());
    EXPECT_EQ(vmwin::ShownDialogs().back().templateId, c.expectedId);
    EXPECT_EQ(vmwin::ShownDialogs().back().result, IDOK);
  }
  vmwin::ScriptDialog(16150, {vmwin::PressEscape()});
  globals().language = 0;
  EXPECT_EQ(vmhost::About(module), kNoErr);
  EXPECT_EQ(vmwin::ShownDialogs().back().templateId, 16150);
  EXPECT_EQ(vmwin::ShownDialogs().back().result, IDCANCEL);
  EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u);
}

}  // namespace
