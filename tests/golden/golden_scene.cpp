#include "golden/golden_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "host/host_driver.h"
#include "panels/inf_flyout_commands.h"
#include "panels/panel_controls.h"
#include "panels/preset_flyout_items.h"
#include "resources/update_grading_resource_ids.h"
#include "store/grading_group_tags.h"
#include "support/host_dump.h"
#include "support/module_suites.h"
#include "support/tool_gestures.h"
#include "support/win_temp_folders.h"

namespace vmtest {

namespace {

constexpr const char* kPreviewLayer = "<<Vestamark Preview>>";
constexpr int kRowHeight = 40;

std::string Number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

std::string PathText(ArtHandle art) {
  std::string out = art->d.closed ? "closed" : "open";
  for (const PathSegment& s : vmhost::Segments(art)) {
    out += "\n  " + Number(s.p.h) + " " + Number(s.p.v) + " | " + Number(s.in.h) + " " + Number(s.in.v) +
           " | " + Number(s.out.h) + " " + Number(s.out.v) + (s.corner ? " corner" : "");
  }
  return out + "\n";
}

// Every path at and below art, in drawing order (the bottom first).
void AppendPaths(ArtHandle art, std::string* out) {
  std::vector<ArtHandle> kids = vmhost::Children(art);
  for (auto kid = kids.rbegin(); kid != kids.rend(); ++kid) AppendPaths(*kid, out);
  if (art->d.type == kPathArt) *out += "path " + PathText(art);
}

// Bytes outside printable ASCII, as the panels draw Shift-JIS, written \xHH.
std::string Escaped(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    }
  }
  return out;
}

PanelHandle InfPanel() { return vmhost::FindPanel("Vestamark_INF_PANEL"); }

// The dump's layer sections, each with its title.
std::vector<std::pair<std::string, std::string>> DumpLayers(DocumentHandle doc) {
  std::vector<std::pair<std::string, std::string>> layers;
  std::istringstream dump(DumpDocument(doc));
  for (std::string line; std::getline(dump, line);) {
    if (line.rfind("layer '", 0) == 0) layers.push_back({line.substr(7, line.rfind('\'') - 7), ""});
    if (!layers.empty()) layers.back().second += line + "\n";
  }
  return layers;
}

}  // namespace

void GoldenScene::SetUp() {
  ModuleTest::SetUp();
  PluginGlobals& g = globals();
  // Presets out of step with their scale indexes; scales and amounts repeat
  // every 15 indexes, so the previews of equal presets can be written once.
  for (int slot = 0; slot < kMaxPresets; ++slot) {
    PresetRecord& preset = g.presets[slot];
    preset = PresetRecord{};
    std::snprintf(preset.name, sizeof preset.name, "P%02d", slot + 1);
    preset.scaleIndex = slot * 7 % kMaxPresets;
    preset.enabled = 1;
    const int t = preset.scaleIndex;
    g.presetScale[t] = g.groupPresetScale[t] = {1 + 0.02 * (t % 5 - 2), 1 + 0.015 * (t % 3 - 1)};
  }
  g.currentPresetSlot = 0;
  g.currentScaleIndex = 0;
  ModuleSuites suites;
  UpdateInfFlyoutState();
}

ArtHandle GoldenScene::LayerGroup() { return vmhost::CurrentDocument()->d.current->group; }

ArtHandle GoldenScene::Circle(ArtHandle parent, RealPoint centre, double radius, int arcs,
                              double startAngle) {
  std::vector<PathSegment> segments;
  const double step = 2 * M_PI / arcs;
  const double handle = radius * 4.0 / 3 * std::tan(step / 4);
  for (int i = 0; i < arcs; ++i) {
    const double a = startAngle + i * step;
    const RealPoint p{centre.h + radius * std::cos(a), centre.v + radius * std::sin(a)};
    const RealPoint t{-std::sin(a) * handle, std::cos(a) * handle};
    segments.push_back({p, {p.h - t.h, p.v - t.v}, {p.h + t.h, p.v + t.v}, 0});
  }
  return vmhost::AddPath(parent, segments, true);
}

RevisionHandle& GoldenScene::Line(int slot, int16_t kind, ArtHandle art1, int32_t i1, ArtHandle art2,
                                  int32_t i2, std::initializer_list<const char*> amounts) {
  RevisionHandle& h = globals().handles[slot];
  h = RevisionHandle{0, 0, "", kind, 0, 0, 0, {}};
  h.line = TwoPointHandleData{{}, {}, art1, art2, i1, i2, {}};
  if (art1 != nullptr) h.line.p1 = vmhost::Segments(art1).at(i1).p;
  if (art2 != nullptr) h.line.p2 = vmhost::Segments(art2).at(i2).p;
  const std::vector<const char*> texts(amounts);
  for (int t = 0; t < kMaxPresets && !texts.empty(); ++t)
    std::snprintf(h.line.amountExpr[t], kExprSize, "%s", texts[t % texts.size()]);
  return h;
}

RevisionHandle& GoldenScene::Point(int slot, ArtHandle art, int32_t index,
                                   std::initializer_list<const char*> xs,
                                   std::initializer_list<const char*> ys) {
  RevisionHandle& h = globals().handles[slot];
  h = RevisionHandle{0, 0, "", kHandlePoint, 0, 0, 0, {}};
  h.point.art = art;
  h.point.anchorIndex = index;
  const std::vector<const char*> x(xs), y(ys);
  for (int t = 0; t < kMaxPresets; ++t) {
    std::snprintf(h.point.xExpr[t], kExprSize, "%s", x[t % x.size()]);
    std::snprintf(h.point.yExpr[t], kExprSize, "%s", y[t % y.size()]);
  }
  return h;
}

void GoldenScene::Variable(int row, const char* name, const std::string& value, uint32_t isPrivate) {
  VariableTable& table = globals().variables;
  std::snprintf(table.varNames[row], kVarNameSize, "%s", name);
  std::snprintf(table.varValues[row], kVarValueSize, "%s", value.c_str());
  table.varPrivate[row] = isPrivate;
}

void GoldenScene::Settings(RealPoint origin, double angle, double compscale, int16_t unit, double length) {
  PluginGlobals& g = globals();
  g.grading_origin = origin;
  g.grading_angle = angle;
  g.grading_compscale = compscale;
  g.grading_unit = unit;
  g.grading_length = length;
}

void GoldenScene::StoreGroup(const std::vector<ArtHandle>& arts, const char* title) {
  PluginGlobals& g = globals();
  std::snprintf(g.grading_title, sizeof g.grading_title, "%s", title);
  {
    ModuleSuites suites;
    SaveGradingGroup(const_cast<ArtHandle*>(arts.data()), static_cast<int32_t>(arts.size()), 1);
  }
  std::memset(g.handles, 0, sizeof g.handles);
  for (int row = 0; row < kMaxVariables; ++row) Variable(row, "", "");
}

void GoldenScene::Section(const std::string& title) { record += "== " + title + "\n"; }

std::vector<std::string> GoldenScene::LayerTitles() {
  std::vector<std::string> titles;
  for (const auto& layer : DumpLayers(doc)) titles.push_back(layer.first);
  return titles;
}

std::string GoldenScene::Layers(bool preview, const std::vector<std::string>& skipped) {
  std::string out;
  for (const auto& [title, text] : DumpLayers(doc)) {
    if ((title == kPreviewLayer) != preview) continue;
    if (std::find(skipped.begin(), skipped.end(), title) == skipped.end()) out += text;
  }
  return out;
}

void GoldenScene::ChooseToolOn(const std::vector<ArtHandle>& arts) {
  for (ArtHandle art : arts) vmhost::SetSelected(art, true);
  ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[1]), kNoErr);
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_GT(globals().pieceArtCount, 0);
  Section("document after the distance tool is chosen");
  record += Layers(false);
  Section("preview of P01");
  record += Layers(true);
}

void GoldenScene::RecordEveryPreset() {
  std::vector<std::string> copies(kMaxPresets);
  auto choose = [&](int slot) {
    ASSERT_TRUE(vmhost::ChooseFlyoutItem(InfPanel(), kInfFirstPresetItem + slot));
    const PluginGlobals& g = globals();
    ASSERT_EQ(g.currentPresetSlot, slot);
    for (int32_t i = 0; i < g.pieceArtCount && i < g.previewArtCount; ++i)
      copies[slot] += "member " + std::to_string(i) + " " + PathText(g.previewArts[i]);
  };
  for (int slot = 1; slot < kMaxPresets; ++slot) choose(slot);
  Section("preview of P99");
  record += Layers(true);
  RecordInfList();
  choose(0);
  for (int slot = 0; slot < kMaxPresets; ++slot) {
    const PresetRecord& preset = globals().presets[slot];
    Section(std::string("graded ") + preset.name + " (scale index " + std::to_string(preset.scaleIndex) +
            ")");
    int same = 0;
    while (copies[same] != copies[slot]) ++same;
    record += same < slot ? std::string("as ") + globals().presets[same].name + "\n" : copies[slot];
  }
}

void GoldenScene::RecordInfList() {
  HWND list = GetDlgItem(InfPanel()->window, kPanelListId);
  const int rows = static_cast<int>(SendMessage(list, LB_GETCOUNT, 0, 0));
  RECT shown{};
  GetClientRect(list, &shown);
  MoveWindow(list, 0, 0, shown.right, rows * kRowHeight, FALSE);  // every row in view
  SendMessage(list, LB_SETTOPINDEX, 0, 0);
  vmwin::ClearDrawing(list);
  InvalidateRect(list, nullptr, FALSE);
  vmwin::PaintInvalidWindows();
  std::vector<std::string> lines(static_cast<size_t>(rows));
  for (const vmwin::DrawRecord& r : vmwin::DrawingOf(list)) {
    const bool text = r.op == vmwin::DrawRecord::Op::Text;
    if (!text && r.op != vmwin::DrawRecord::Op::Icon) continue;
    const int row = (text ? r.from.y : r.rect.top) / kRowHeight;
    if (row >= 0 && row < rows)
      lines[row] += text ? " | " + Escaped(r.text) : " | icon " + std::to_string(r.resourceId);
  }
  Section("Information list in " + std::string(globals().presets[globals().currentPresetSlot].name));
  for (int row = 0; row < rows; ++row) record += "row " + std::to_string(row) + lines[row] + "\n";
}

int GoldenScene::HandleCount() {
  int used = 0;
  for (const RevisionHandle& h : globals().handles) used += h.kind != kHandleFree;
  return used;
}

void GoldenScene::DeleteRow(int row) {
  const int before = HandleCount();
  HWND panel = InfPanel()->window;
  vmwin::PerformUserAction(panel, vmwin::PickItem(kPanelListId, row));
  SendMessage(GetDlgItem(panel, kDeleteButtonId), BM_CLICK, 0, 0);
  ASSERT_LT(HandleCount(), before) << "nothing was deleted";
}

void GoldenScene::DrawHandle(RealPoint from, RealPoint to) {
  const int before = HandleCount();
  DragTool(from, to);
  ASSERT_EQ(HandleCount(), before + 1) << "the drag made no handle";
  Section("document after a new handle is drawn");
  record += Layers(false);
}

void GoldenScene::RunUpdate(const UpdateGradingSettings& options, std::initializer_list<int> chosenSlots) {
  vmwin::AdvanceTime(1000);  // the panel's own timer enables its Update button
  vmwin::DispatchPostedMessages();
  RunUpdateFrom(GetDlgItem(InfPanel()->window, kUpdateButtonId), options, chosenSlots);
}

void GoldenScene::RunDocumentUpdate(const UpdateGradingSettings& options, std::initializer_list<int> chosenSlots) {
  RunUpdateFrom(GetDlgItem(vmhost::FindPanel("Vestamark_VAR_PANEL")->window, kUpdateButtonId), options,
                chosenSlots);
}

void GoldenScene::RunUpdateFrom(HWND button, const UpdateGradingSettings& options,
                                std::initializer_list<int> chosenSlots) {
  PluginGlobals& g = globals();
  g.updateGrading = options;
  for (PresetRecord& preset : g.presets) preset.output = 0;
  for (int slot : chosenSlots) g.presets[slot].output = 1;
  ASSERT_TRUE(IsWindowEnabled(button));

  const std::vector<std::string> before = LayerTitles();
  std::string shown;
  auto look = [&](HWND) {
    // The dialog's preview group tops the layer.
    std::vector<ArtHandle> top = vmhost::Children(LayerGroup());
    if (options.renewal_preview != 0 && !top.empty()) AppendPaths(top.front(), &shown);
  };
  vmwin::ScriptDialog(kUpdateGradingDialogResource, {vmwin::Do(look), vmwin::PressEnter()});
  SendMessage(button, BM_CLICK, 0, 0);
  ASSERT_EQ(vmwin::ScriptStepsLeft(), 0u);
  std::string chosen;
  for (int slot : chosenSlots) chosen += std::string(" ") + g.presets[slot].name;
  Section("Update grading: mode " + std::to_string(options.renewal_mode) + ", sets" + chosen +
          ", the dialog's preview");
  record += shown;
  Section("layers Update grading made");
  record += Layers(false, before);
  for (const std::string& title : LayerTitles()) {
    if (std::find(before.begin(), before.end(), title) == before.end()) madeLayers_.push_back(title);
  }
  if (options.renewal_out_layer == 0 || options.renewal_leave == 0) {
    Section("layers of the piece after Update grading");
    record += Layers(false, madeLayers_);
  }
}

void GoldenScene::RecordAlerts() {
  Section("alerts");
  for (const AlertRecord& alert : vmhost::Alerts()) record += alert.kind + ": " + Escaped(alert.text) + "\n";
}

void GoldenScene::CheckRecord(const char* name) {
  const std::string path = std::string(VESTAMARK_GOLDEN_DATA) + "/" + name + ".txt";
  if (std::getenv("VESTAMARK_GOLDEN_WRITE") != nullptr) {
    WriteHostFile(path, record);
    return;
  }
  const std::string expected = ReadHostFile(path);
  if (expected == record) return;
  std::istringstream want(expected), got(record);
  std::string a, b;
  int line = 1;
  while (true) {
    const bool moreWant = static_cast<bool>(std::getline(want, a));
    const bool moreGot = static_cast<bool>(std::getline(got, b));
    if (!moreWant) a = "<end of file>";
    if (!moreGot) b = "<end of record>";
    if (a != b || (!moreWant && !moreGot)) break;
    ++line;
  }
  size_t column = 0;
  while (column < a.size() && column < b.size() && a[column] == b[column]) ++column;
  ADD_FAILURE()
      << path << " differs first at line " << line << ", column " << column + 1 << "\n  committed: " << a
      << "\n  now:       " << b
      << "\n(a change meant to alter results rewrites the file: VESTAMARK_GOLDEN_WRITE=1 test_golden)";
}

}  // namespace vmtest
