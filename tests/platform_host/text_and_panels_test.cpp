// Point text with its font list and metric, real math, and the host side of
// panels, flyout menus and menu groups.
#include <cmath>

#include "support/host_fixture.h"
#include "win_api.h"

using namespace vmtest;

namespace {

class TextAndPanelsTest : public HostTest {};

std::vector<std::string> FontNames() {
  std::vector<std::string> names;
  int32_t count = 0;
  kFontSuite.CountFonts(&count);
  for (int32_t i = 0; i < count; i++) {
    FontHandle font;
    char name[255];
    kFontSuite.IndexFontList(i, &font);
    kFontSuite.GetFontName(font, name, sizeof name);
    UnicodeStringHandle s;
    kUnicodeStringSuite.NewFromCodePage(name, 932, &s);
    const uint16_t* units;
    int32_t length;
    kUnicodeStringSuite.GetUtf16(s, &units, &length);
    names.push_back(
        ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(units), static_cast<size_t>(length))));
    kUnicodeStringSuite.Dispose(s);
  }
  return names;
}

TEST_F(TextAndPanelsTest, TheFontListHasOsakaAndCanBeReplaced) {
  EXPECT_EQ(FontNames(), (std::vector<std::string>{"Arial", "Osaka", "ゴシック体", "Times"}));
  ArtHandle text = vmhost::AddText(nullptr, {0, 0}, "A");
  vmhost::SetFontList({"Courier"});
  EXPECT_EQ(FontNames(), (std::vector<std::string>{"Courier"}));
  FontHandle old = text->d.text.chars.font;  // text keeps the font it had
  char name[4];
  EXPECT_EQ(kFontSuite.GetFontName(old, name, sizeof name), kNoErr);
  EXPECT_STREQ(name, "Ari");  // cut to the buffer
}

TEST_F(TextAndPanelsTest, PointTextTakesFeaturesAndHasAStableMetric) {
  ArtHandle group = vmhost::AddGroup();
  ArtHandle text = nullptr;
  ASSERT_EQ(kTextFrameSuite.NewPointText(kPlaceInsideOnTop, group, kHorizontalText, {100, 50}, &text),
            kNoErr);
  TextRangeHandle range;
  ASSERT_EQ(kTextFrameSuite.GetTextRange(text, &range), kNoErr);
  CharFeatures chars{nullptr, 10, {ColorKind::Process, 0, 0.5, 0, 0, 0}, {}, 1, 0, 1};
  ParaFeatures para{kJustifyCenter, 0, 0};
  kTextRangeSuite.SetCharFeatures(range, &chars);
  kTextRangeSuite.SetParaFeatures(range, &para);
  const uint16_t label[] = {'1', '2', 0x524D};  // "12前"
  kTextRangeSuite.InsertAfterUtf16(range, label, 3);
  kTextRangeSuite.ReleaseTextRange(range);
  EXPECT_EQ(vmhost::Text(text), "12前");

  // Two half-width and one full-width character of 10 points, centred.
  RealRect b;
  kArtSuite.GetArtBounds(text, &b);
  EXPECT_DOUBLE_EQ(b.left, 90);
  EXPECT_DOUBLE_EQ(b.right, 110);
  EXPECT_DOUBLE_EQ(b.top, 58);
  EXPECT_DOUBLE_EQ(b.bottom, 48);
  chars.size = 0;
  ASSERT_EQ(kTextFrameSuite.GetTextRange(text, &range), kNoErr);
  EXPECT_EQ(kTextRangeSuite.SetCharFeatures(range, &chars), kBadParameterErr);
  kTextRangeSuite.ReleaseTextRange(range);
  ArtHandle path = vmhost::AddPolyline(nullptr, {{0, 0}, {1, 1}}, false);
  EXPECT_EQ(kTextFrameSuite.GetTextRange(path, &range), kWrongTypeErr);
}

TEST_F(TextAndPanelsTest, RealMathKeepsYUpEverywhere) {
  const AIRealMathSuite& m = kRealMathSuite;
  RealRect a{0, 10, 10, 0}, b{5, 20, 20, 5}, out;
  EXPECT_TRUE(m.IntersectRect(&a, &b, &out));
  EXPECT_EQ(out.left, 5);
  EXPECT_EQ(out.top, 10);
  EXPECT_EQ(out.bottom, 5);
  m.UnionRect(&a, &b, &out);
  EXPECT_EQ(out.top, 20);
  EXPECT_EQ(out.bottom, 0);
  RealRect far{50, 60, 60, 50};
  EXPECT_FALSE(m.IntersectRect(&a, &far, &out));
  m.InsetRect(&a, 2, 3);
  EXPECT_EQ(a.top, 7);
  EXPECT_EQ(a.bottom, 3);
  RealPoint inside{5, 5}, above{5, 8};
  EXPECT_TRUE(m.PointInRect(&inside, &a));
  EXPECT_FALSE(m.PointInRect(&above, &a));
  m.InsetRect(&a, 4, 0);
  EXPECT_TRUE(m.EmptyRect(&a));
  RealPoint o{0, 0}, up{0, 1};
  EXPECT_DOUBLE_EQ(m.PointAngle(&o, &up), std::atan2(1.0, 0.0));

  // translate(-o) rotate(-t) scale(h, v) rotate(t) translate(o), applied as q·M
  const double t = 0.7;
  RealMatrix mat;
  m.MatrixSetTranslate(&mat, -10, -20);
  m.MatrixConcatRotate(&mat, -t);
  m.MatrixConcatScale(&mat, 2, 1);
  m.MatrixConcatRotate(&mat, t);
  m.MatrixConcatTranslate(&mat, 10, 20);
  RealPoint q{10 + std::cos(t), 20 + std::sin(t)}, r;
  m.TransformPoint(&mat, &q, &r);
  EXPECT_NEAR(r.h, 10 + 2 * std::cos(t), 1e-12);
  EXPECT_NEAR(r.v, 20 + 2 * std::sin(t), 1e-12);
}

TEST_F(TextAndPanelsTest, RandomFractionsRepeatForASeed) {
  kRandomSuite.SetRandomSeed(42);
  double first[5];
  for (double& f : first) {
    f = kRandomSuite.FloatRnd();
    EXPECT_GE(f, 0.0);
    EXPECT_LT(f, 1.0);
  }
  kRandomSuite.SetRandomSeed(42);
  for (double f : first) EXPECT_EQ(kRandomSuite.FloatRnd(), f);
}

TEST_F(TextAndPanelsTest, PanelsShowHideAndPassFlyoutChoices) {
  FlyoutMenuHandle flyout;
  ASSERT_EQ(kFlyoutMenuSuite.Create(&flyout), kNoErr);
  kFlyoutMenuSuite.AppendItem(flyout, 1, nullptr);
  kFlyoutMenuSuite.AppendSeparator(flyout, 2);
  kFlyoutMenuSuite.AppendItem(flyout, 3, nullptr);
  EXPECT_EQ(kFlyoutMenuSuite.RemoveItem(flyout, 99), kNoErr);  // absent ids are fine
  kFlyoutMenuSuite.SetItemEnabled(flyout, 3, 0);
  EXPECT_EQ(kFlyoutMenuSuite.SetItemChecked(flyout, 99, 1), kNotFoundErr);

  PanelHandle panel;
  ASSERT_EQ(kPanelSuite.Create(plugin, "Test_INF", nullptr, 1, 200, 300, 1, flyout, &panel), kNoErr);
  static std::vector<uint32_t> chosen;
  chosen.clear();
  kPanelSuite.SetFlyoutMenuCallback(panel, [](PanelHandle, uint32_t id) { chosen.push_back(id); });
  EXPECT_TRUE(vmhost::ChooseFlyoutItem(panel, 1));
  EXPECT_FALSE(vmhost::ChooseFlyoutItem(panel, 2));  // a separator
  EXPECT_FALSE(vmhost::ChooseFlyoutItem(panel, 3));  // disabled
  EXPECT_EQ(chosen, std::vector<uint32_t>{1});

  int32_t shown = 1;
  kPanelSuite.IsShown(panel, &shown);
  EXPECT_EQ(shown, 0);
  kPanelSuite.Show(panel, 1);
  kPanelSuite.IsShown(panel, &shown);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(vmhost::FindPanel("Test_INF"), panel);
  EXPECT_EQ(kPanelSuite.Destroy(panel), kNoErr);
  EXPECT_EQ(kPanelSuite.Destroy(panel), kBadParameterErr);
  EXPECT_EQ(vmhost::FindPanel("Test_INF"), nullptr);
}

TEST_F(TextAndPanelsTest, MenuGroupsAreFoundByNameAndSubmenusMadeOnce) {
  MenuItemHandle item;
  ASSERT_EQ(kMenuSuite.AddMenuItem(plugin, "QV_PLUGINS_ABOUT", kAboutMenuGroup, nullptr, 0, &item), kNoErr);
  MenuGroupHandle group;
  ASSERT_EQ(kMenuSuite.AddMenuGroupAsSubMenu("QV_PLUGINS_ABOUT", 1, item, &group), kNoErr);
  EXPECT_EQ(kMenuSuite.AddMenuGroupAsSubMenu("QV_PLUGINS_ABOUT", 1, item, &group), kBadParameterErr);
  int32_t count = 0;
  kMenuSuite.CountMenuGroups(&count);
  std::vector<std::string> names;
  for (int32_t i = 0; i < count; i++) {
    MenuGroupHandle g;
    const char* name;
    kMenuSuite.GetNthMenuGroup(i, &g);
    kMenuSuite.GetMenuGroupName(g, &name);
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Tool Palettes", "About", "QV_PLUGINS_ABOUT"}));
  EXPECT_EQ(kMenuSuite.AddMenuItem(plugin, "x", "No Such Group", nullptr, 0, &item), kNotFoundErr);
}

}  // namespace

namespace {

std::string WindowTitle(HWND window) {
  char title[256] = "";
  GetWindowText(window, title, sizeof title);
  return title;
}

TEST_F(TextAndPanelsTest, DocumentsAndPanelsHaveRealWindows) {
  HWND main = nullptr;
  kContextSuite.GetPlatformAppWindow(&main);
  EXPECT_TRUE(IsWindow(main));
  EXPECT_EQ(WindowTitle(doc->window), "Test-1 @ 100%");
  vmhost::SetZoom(2);
  EXPECT_EQ(WindowTitle(doc->window), "Test-1 @ 200%");
  DocumentHandle other = vmhost::NewDocument("Other");
  vmhost::SwitchDocument(doc);
  EXPECT_EQ(GetTopWindow(nullptr), doc->window);  // the current document's window is in front
  HWND otherWindow = other->window;
  ArtHandle kept = vmhost::AddGroup();  // in the current document, `doc`
  vmhost::SwitchDocument(other);
  ArtHandle left = vmhost::AddGroup();
  vmhost::CloseDocument(other);
  EXPECT_FALSE(IsWindow(otherWindow));
  int32_t valid = 1;
  kArtSuite.ValidArt(left, &valid);  // a handle into a closed document is invalid, not dangling
  EXPECT_EQ(valid, 0);
  kArtSuite.ValidArt(kept, &valid);
  EXPECT_EQ(valid, 1);
  EXPECT_EQ(vmhost::CurrentDocument(), doc);

  PanelHandle panel;
  ASSERT_EQ(kPanelSuite.Create(plugin, "Test_VAR", nullptr, 1, 150, 100, 1, nullptr, &panel), kNoErr);
  HWND window = nullptr;
  kPanelSuite.GetPlatformWindow(panel, &window);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  kPanelSuite.Show(panel, 1);
  EXPECT_TRUE(IsWindowVisible(window));
  kPanelSuite.SetSize(panel, 180, 50);  // no smaller than its minimum
  RECT r;
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 180);
  EXPECT_EQ(r.bottom - r.top, 100);
  DestroyWindow(window);  // the module destroys its window first at shut-down
  EXPECT_EQ(kPanelSuite.Destroy(panel), kNoErr);
}

}  // namespace
