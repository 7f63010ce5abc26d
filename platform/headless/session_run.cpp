#include "session_run.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "document_list.h"
#include "host/host_driver.h"
#include "module_dialogs.h"
#include "module_files.h"
#include "win/whole_file.h"
#include "win/win_driver.h"
#include "win/win_paths.h"
#include "win_api.h"

namespace fs = std::filesystem;

namespace headless {

namespace {

constexpr const char* kLanguageWords[] = {"JAPANESE", "ENGLISH", "KOREAN"};
constexpr int kMillisecondsPerTick = 1000 / 60;

struct SessionFault {
  std::string why;
};

[[noreturn]] void Fault(std::string why) { throw SessionFault{std::move(why)}; }

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

// Each line of an alert (its breaks are CR, LF or CR LF) on a line of its own.
std::string AlertLines(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      lines.push_back(text[i]);
      continue;
    }
    lines += "\n          ";
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return lines;
}

std::string CodeText(HostErr code) {
  char text[5];
  for (int i = 0; i < 4; ++i) {
    const char c = static_cast<char>((static_cast<uint32_t>(code) >> (24 - 8 * i)) & 0xFF);
    text[i] = c >= 0x20 && c < 0x7F ? c : '?';
  }
  text[4] = 0;
  return std::string("'").append(text).append("' (").append(std::to_string(code)).append(")");
}

class Runner {
 public:
  Runner(const RunPaths& paths, const ModuleFiles& files, std::ostream& out, const SvgReadOptions& read)
      : paths_(paths), files_(files), out_(out), read_(read) {}
  // Outputs of a session that stopped are not left beside their places.
  ~Runner() {
    for (const Pending& p : pending_)
      if (!p.temp.empty()) RemoveTemporary(p.temp);
  }

  void Run(const Step& s) {
    out_ << "line " << s.line << ": " << s.source << "\n";
    finalSaved_ = false;
    switch (s.kind) {
      case StepKind::Select:
      case StepKind::Deselect:
        Select(s);
        break;
      case StepKind::Tool:
        ChooseTool(s.words[0]);
        break;
      case StepKind::ToolOptions:
        NeedTool();
        Check(vmhost::EditToolOptions());
        break;
      case StepKind::Track:
      case StepKind::Down:
      case StepKind::Drag:
      case StepKind::Up:
        Mouse(s);
        break;
      case StepKind::Tick:
        Tick(static_cast<int>(s.number));
        break;
      case StepKind::Zoom:
        vmhost::SetZoom(s.number);
        break;
      case StepKind::Menu:
        Menu(s.words[0]);
        break;
      case StepKind::Flyout:
        Flyout(s.words[0], s.words[1], s.words[2]);
        break;
      case StepKind::Panel:
        PanelControl(s);
        break;
      case StepKind::Answers: {
        std::string why;
        vmwin::ScriptFromText(s.script, &why, s.line);  // read once already
        break;
      }
      case StepKind::Alert:
        vmhost::QueueAlertAnswer(static_cast<int32_t>(s.number));
        break;
      case StepKind::PutFile:
        vmhost::QueuePutFileAnswer(s.words[0] == "cancel" ? std::string() : s.words[0]);
        break;
      case StepKind::Undo:
      case StepKind::Redo:
        UndoRedo(s.kind == StepKind::Undo);
        break;
      case StepKind::Save:
        Save(s.words.empty() ? paths_.output : s.words[0]);
        break;
    }
    vmwin::PumpMessages();
    ReportEvents();
  }

  // Start-up as the host does it: the module, the application started, the document, a tick.
  bool Open(std::ostream& err) {
    PluginRef module = vmhost::LoadModule();
    const HostErr started = vmhost::Startup(module);
    started_ = true;
    if (started != kNoErr) {
      ReportEvents();
      err << "vestamark-host: the module did not start: error " << CodeText(started) << "\n";
      return false;
    }
    Check(vmhost::NotifyAppStarted());
    std::string why;
    std::vector<std::string> warnings;
    doc_ = vmhost::OpenDocument(paths_.document, &why, &warnings, read_);
    if (doc_ == nullptr) {
      err << "vestamark-host: " << why << "\nvestamark-host: nothing was written\n";
      return false;
    }
    out_ << "opened " << paths_.document << "\n";
    for (const std::string& w : warnings) out_ << "   " << w << "\n";
    out_ << "   " << PageSummary(doc_) << "\n";
    try {
      Tick(1);
    } catch (const SessionFault& f) {
      out_ << "   " << f.why << "\n";
    }
    vmwin::PumpMessages();
    ReportEvents();
    return true;
  }

  // Saves the final document, to be written once the module is shut down.
  void Finish() {
    if (!finalSaved_) {
      out_ << "end of session\n";
      Save(paths_.output);
    }
    ReportEvents();
    if (buttonDown_) out_ << "note: the mouse button was still down\n";
    if (vmwin::ScriptStepsLeft() > 0)
      out_ << "note: " << vmwin::ScriptStepsLeft() << " dialog answer(s) were not used\n";
    if (!gHost.alertAnswers.empty())
      out_ << "note: " << gHost.alertAnswers.size() << " alert answer(s) were not used\n";
    if (!gHost.putFileAnswers.empty())
      out_ << "note: " << gHost.putFileAnswers.size() << " put-file answer(s) were not used\n";
  }

  // The module is shut down (it writes its preferences) before anything is written.
  void Close() {
    if (started_ && vmhost::ModulePlugin() != nullptr) {
      const HostErr stopped = vmhost::Shutdown(vmhost::ModulePlugin());
      if (stopped != kNoErr) out_ << "shut-down: error " << CodeText(stopped) << "\n";
      ReportEvents();
    }
    started_ = false;
  }

  // Writes what was saved and the module's files it changed; false (and a message) when a file
  // cannot be written.
  bool Commit(std::ostream& err) {
    std::vector<std::string> removed;
    for (const ModuleFiles::Change& c : files_.Changes()) {
      if (c.removed) {
        removed.push_back(c.path);
      } else {
        fs::create_directories(fs::path(c.path).parent_path());
        Pending p{"", "", c.path};
        p.temp = WriteBeside(c.path, c.bytes, &p.why);
        pending_.push_back(std::move(p));
      }
    }
    if (!WriteAll(err)) return false;
    for (const Pending& p : pending_) out_ << "wrote " << p.to << "\n";
    for (const std::string& path : removed) {
      std::error_code ec;
      if (fs::remove(path, ec)) out_ << "removed " << path << "\n";
    }
    return true;
  }

 private:
  // An output written whole beside its place when the session saved it.
  struct Pending {
    std::string temp;  // "" when it could not be written
    std::string why;
    std::string to;
  };

  // Only when every output is complete do they take their places, so a failing output leaves
  // every old file as it was.
  bool WriteAll(std::ostream& err) {
    std::string why;
    bool ok = true;
    for (const Pending& p : pending_) {
      if (!p.temp.empty()) continue;
      why = p.why;
      ok = false;
      break;
    }
    for (Pending& p : pending_) {
      if (ok) ok = PutInPlace(p.temp, p.to, &why);
      if (!ok) RemoveTemporary(p.temp);
      p.temp.clear();
    }
    if (!ok) err << "vestamark-host: " << why << "\nvestamark-host: nothing was written\n";
    return ok;
  }

  void Check(HostErr err) {
    if (err != kNoErr) out_ << "   the module answered error " << CodeText(err) << "\n";
  }

  void Select(const Step& s) {
    std::vector<ArtHandle> named;
    for (const std::string& id : s.words) {
      ArtHandle art = vmhost::FindArtById(id.c_str());
      if (art == nullptr) Fault("no art with the id " + Quote(id) + " in the document");
      named.push_back(art);
    }
    const bool clearAll = s.kind == StepKind::Select || named.empty();
    if (clearAll)
      for (auto& art : doc_->artPool)
        if (art->d.alive && vmhost::IsSelected(art.get())) vmhost::SetSelected(art.get(), false);
    for (ArtHandle art : named) vmhost::SetSelected(art, s.kind == StepKind::Select);
  }

  void ChooseTool(const std::string& title) {
    if (title == "none") {
      Check(vmhost::SelectTool(nullptr));
      return;
    }
    // The module names its tools in code page 932.
    const std::string wanted = Cp932FromUtf8(title);
    std::string titles;
    for (auto& t : gHost.tools) {
      if (t->title == wanted || t->tooltip == wanted) {
        Check(vmhost::SelectTool(t.get()));
        return;
      }
      titles += (titles.empty() ? "" : ", ") + Quote(Utf8FromCp932(t->tooltip));
    }
    Fault("no tool titled " + Quote(title) +
          (titles.empty() ? "; no tool is registered" : "; the tools are " + titles));
  }

  void NeedTool() {
    if (gHost.selectedTool == nullptr) Fault("no tool of the module is chosen (use \"tool <title>\" first)");
  }

  void Mouse(const Step& s) {
    NeedTool();
    // The host sends drags and the release only while the button is down, and tracks only while it is up.
    const bool wantDown = s.kind == StepKind::Drag || s.kind == StepKind::Up;
    if (wantDown && !buttonDown_) Fault("the mouse button is not down (\"down X Y\" first)");
    if (!wantDown && buttonDown_) Fault("the mouse button is still down (\"up X Y\" first)");
    buttonDown_ = s.kind == StepKind::Down || s.kind == StepKind::Drag;
    const RealPoint p{s.x, s.y};
    const std::pair<uint32_t, int> keys[] = {
        {kModShift, VK_SHIFT}, {kModOption, VK_MENU}, {kModCommand, VK_CONTROL}};
    for (auto [bit, key] : keys) vmwin::SetKeyDown(key, (s.modifiers & bit) != 0);
    HostErr err = kNoErr;
    switch (s.kind) {
      case StepKind::Track:
        err = vmhost::TrackCursor(p, s.modifiers);
        break;
      case StepKind::Down: {
        // A person's pointer comes to the point from beside it before the button goes down, so
        // the module sees it arrive even where it already rested (it starts at the origin).
        const double zoom = doc_->view.zoom > 0 ? doc_->view.zoom : 1;
        err = vmhost::TrackCursor(RealPoint{p.h - 1 / zoom, p.v}, s.modifiers & ~kModDoubleClick);
        if (err == kNoErr) err = vmhost::TrackCursor(p, s.modifiers & ~kModDoubleClick);
        vmwin::SetKeyDown(VK_LBUTTON, true);
        if (err == kNoErr) err = vmhost::MouseDown(p, s.modifiers);
        break;
      }
      case StepKind::Drag:
        err = vmhost::MouseDrag(p, s.modifiers);
        break;
      default:
        vmwin::SetKeyDown(VK_LBUTTON, false);
        err = vmhost::MouseUp(p, s.modifiers);
        break;
    }
    for (auto [bit, key] : keys) vmwin::SetKeyDown(key, false);
    Check(err);
  }

  void Tick(int count) {
    if (gHost.timers.empty()) Fault("no timer is registered, so a tick runs nothing");
    HostTimer* timer = gHost.timers.front().get();
    for (int i = 0; i < count; ++i) {
      const int64_t wait = timer->due > gHost.clock ? timer->due - gHost.clock : 1;
      Check(vmhost::AdvanceTicks(static_cast<int32_t>(wait)));
      vmwin::AdvanceTime(static_cast<DWORD>(wait * kMillisecondsPerTick));
      vmwin::PumpMessages();
    }
  }

  void Menu(const std::string& text) {
    std::string texts;
    for (auto& m : gHost.menuItems) {
      if (m->plugin == nullptr || m->text.empty()) continue;
      const std::string shown = ToUtf8(m->text);
      if (shown == text || m->name == text) {
        Check(vmhost::MenuUpdate(m.get()));
        Check(vmhost::MenuGo(m.get()));
        return;
      }
      texts += (texts.empty() ? "" : ", ") + Quote(shown);
    }
    Fault("no menu item " + Quote(text) + "; the module's items are " + (texts.empty() ? "none" : texts));
  }

  HostPanel* FindPanel(const std::string& name) {
    std::string names;
    for (auto& p : gHost.panels) {
      if (!p->alive) continue;
      if (p->id == name || ToUtf8(p->title) == name) return p.get();
      names += (names.empty() ? "" : ", ") + Quote(p->id);
    }
    Fault("no panel " + Quote(name) + (names.empty() ? "; no panel exists" : "; the panels are " + names));
  }

  // Sizes are often named by numbers: a word that is one item's text and
  // another's number would choose silently by one rule, so it chooses neither;
  // `way` ("text" or "number") names the item one way only.
  void Flyout(const std::string& panelName, const std::string& item, const std::string& way) {
    HostPanel* panel = FindPanel(panelName);
    const std::vector<FlyoutItem> items = vmhost::FlyoutItems(panel);
    const FlyoutItem *chosen = nullptr, *numbered = nullptr;
    std::string texts;
    for (const FlyoutItem& f : items) {
      if (f.separator) continue;
      if (chosen == nullptr && way != "number" && ToUtf8(f.text) == item) chosen = &f;
      if (way != "text" && std::to_string(f.id) == item) numbered = &f;
      texts += (texts.empty() ? "" : ", ") + Quote(ToUtf8(f.text));
    }
    if (chosen != nullptr && numbered != nullptr && chosen != numbered)
      Fault(Quote(item) + " fits two flyout items of panel " + Quote(panel->id) + ": " + Quote(ToUtf8(chosen->text)) +
            " (number " + std::to_string(chosen->id) + ") by its text and " + Quote(ToUtf8(numbered->text)) +
            " by its number; write \"flyout " + panel->id + " text " + item + "\" or \"flyout " + panel->id +
            " number " + item + "\"");
    if (chosen == nullptr) chosen = numbered;
    if (chosen == nullptr)
      Fault("panel " + Quote(panel->id) + " has no flyout item " + Quote(item) +
            (texts.empty() ? "" : "; its items are " + texts));
    if (!chosen->enabled) Fault("the flyout item " + Quote(ToUtf8(chosen->text)) + " is disabled");
    vmhost::ChooseFlyoutItem(panel, chosen->id);
  }

  void PanelControl(const Step& s) {
    HostPanel* panel = FindPanel(s.words[0]);
    HWND window = panel->window;
    if (window == nullptr || !IsWindowVisible(window)) Fault("panel " + Quote(panel->id) + " is not shown");
    const int id = std::stoi(s.words[2]);
    HWND control = GetDlgItem(window, id);
    if (control == nullptr) Fault("panel " + Quote(panel->id) + " has no control " + s.words[2]);
    if (!IsWindowVisible(control) || !IsWindowEnabled(control))
      Fault("control " + s.words[2] + " of panel " + Quote(panel->id) + " is hidden or disabled");
    const std::string& action = s.words[1];
    if (action == "click") {
      vmwin::PerformUserAction(window, vmwin::Click(id));
      return;
    }
    const int row = std::stoi(s.words[3]);
    char cls[32] = {};
    GetClassName(control, cls, sizeof cls);
    const bool combo = std::string(cls) == "ComboBox" || std::string(cls) == "COMBOBOX";
    const LRESULT rows = SendMessage(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    if (row >= rows)
      Fault("control " + s.words[2] + " of panel " + Quote(panel->id) + " has " + std::to_string(rows) +
            " row(s), no row " + s.words[3]);
    vmwin::PerformUserAction(window,
                             action == "pick" ? vmwin::PickItem(id, row) : vmwin::DoubleClickItem(id, row));
  }

  void UndoRedo(bool undo) {
    const std::string text = undo ? vmhost::UndoText() : vmhost::RedoText();
    if (!(undo ? vmhost::Undo() : vmhost::Redo())) {
      out_ << "   nothing to " << (undo ? "undo" : "redo") << "\n";
      return;
    }
    out_ << "   " << (undo ? "undid" : "redid") << (text.empty() ? "" : ": " + Quote(text)) << "\n";
  }

  void Save(const std::string& destination) {
    const fs::path folder = fs::path(destination).parent_path();
    if (!folder.empty() && !fs::is_directory(folder))
      Fault("cannot save to " + destination + ": no folder " + folder.string());
    Pending p{"", "", destination};
    p.temp = vmhost::SaveDocumentBeside(doc_, destination, &p.why);
    pending_.push_back(std::move(p));
    finalSaved_ = destination == paths_.output;
    ReportLayers(destination);
  }

  void ReportLayers(const std::string& destination) {
    out_ << "   layers written to " << destination << ":\n";
    for (HostLayer* layer : doc_->d.layers) {
      int arts = -1;
      ForEachArt(layer->group, [&](HostArt* a) { arts += a->d.alive ? 1 : 0; });
      out_ << "     " << Quote(ToUtf8(layer->d.title)) << ": " << arts << " art(s)"
           << (layer->d.visible ? "" : ", hidden") << "\n";
    }
  }

  void ReportEvents() {
    const auto& alerts = vmhost::Alerts();
    for (; seenAlerts_ < alerts.size(); ++seenAlerts_) {
      const AlertRecord& a = alerts[seenAlerts_];
      std::string answer;
      if (a.kind == "okcancel") answer = a.answer ? " [OK]" : " [Cancel]";
      if (a.kind == "yesno") answer = a.answer ? " [Yes]" : " [No]";
      if (a.kind == "putfile") answer = a.answer ? " [saved]" : " [cancelled]";
      out_ << "   alert: " << Quote(AlertLines(files_.InPersonsFolder(a.text))) << answer << "\n";
    }
    const auto& boxes = vmwin::ShownMessageBoxes();
    for (; seenBoxes_ < boxes.size(); ++seenBoxes_)
      out_ << "   message box: " << Quote(Utf8FromCp932(boxes[seenBoxes_].text)) << " [answer "
           << boxes[seenBoxes_].answer << "]\n";
    const auto& dialogs = vmwin::ShownDialogs();
    // Each dialog is counted as seen before its fault, so a later report does not fault again.
    while (seenDialogs_ < dialogs.size()) {
      const vmwin::ShownDialog& d = dialogs[seenDialogs_++];
      const std::string unfit = UnfitAnswers(d);
      out_ << "   dialog " << d.templateId << " closed with " << d.result
           << (d.scripted        ? ""
               : unfit.empty() ? " (no answers were given: cancelled)"
                               : " (the answers waiting were for another dialog: cancelled)")
           << "\n";
      if (!unfit.empty()) Fault(unfit);
    }
    const auto& undo = vmhost::UndoRecords();
    for (; seenUndo_ < undo.size(); ++seenUndo_)
      out_ << "   undo text: " << Quote(undo[seenUndo_].undoText)
           << ", redo text: " << Quote(undo[seenUndo_].redoText) << "\n";
    for (; seenBeeps_ < vmwin::BeepCount(); ++seenBeeps_) out_ << "   beep\n";
  }

  const RunPaths& paths_;
  const ModuleFiles& files_;
  std::ostream& out_;
  SvgReadOptions read_;
  DocumentHandle doc_ = nullptr;
  bool started_ = false;
  bool finalSaved_ = false;
  bool buttonDown_ = false;
  std::vector<Pending> pending_;
  size_t seenAlerts_ = 0, seenBoxes_ = 0, seenDialogs_ = 0, seenUndo_ = 0;
  int seenBeeps_ = 0;
};

fs::path MakeScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "vestamark-host-XXXXXX").string();
  SignalsHeld held;
  if (mkdtemp(pattern.data()) == nullptr) return {};
  TrackLeftover(pattern);
  return pattern;
}

}  // namespace

int RunSession(const Session& session, const RunPaths& paths, std::ostream& out, std::ostream& err) {
  const fs::path outputFolder = fs::path(paths.output).parent_path();
  if (!outputFolder.empty() && !fs::is_directory(outputFolder)) {
    err << "vestamark-host: cannot write " << paths.output << ": no folder " << outputFolder.string() << "\n";
    return 1;
  }
  const fs::path scratch = MakeScratchFolder();
  if (scratch.empty()) {
    err << "vestamark-host: cannot make a scratch folder\n";
    return 1;
  }
  // The module's files of a named Documents folder are worked on in the scratch folder.
  const fs::path documents = scratch / "Documents";
  int status = 1;
  vmwin::ResetWindowsLayer();
  vmhost::ResetHost();
  SvgReadOptions read;
  const double sessionCount = session.pixelsPerInch > 0 ? session.pixelsPerInch : 96;
  read.pixelsPerInch = paths.pixelsPerInch > 0 ? paths.pixelsPerInch : sessionCount;
  ModuleFiles files;
  Runner runner(paths, files, out, read);
  try {
    files.Copy(session.documents.empty() ? fs::path() : fs::absolute(session.documents), documents);
    fs::create_directories(scratch / "Desktop");
    setenv("VESTAMARK_DOCUMENTS", documents.c_str(), 1);
    setenv("VESTAMARK_DESKTOP", (scratch / "Desktop").c_str(), 1);
    if (session.language >= 0) {
      const std::string why = files.SetLanguage(kLanguageWords[session.language]);
      if (!why.empty()) Fault(why);
    }
    if (runner.Open(err)) {
      const Step* current = nullptr;
      try {
        for (const Step& s : session.steps) {
          current = &s;
          runner.Run(s);
        }
        current = nullptr;
        runner.Finish();
        runner.Close();
        if (runner.Commit(err)) status = 0;
      } catch (const SessionFault& f) {
        err << paths.session << ":" << (current != nullptr ? std::to_string(current->line) + ": " : " ") << f.why
            << "\nvestamark-host: nothing was written\n";
      }
    }
  } catch (const SessionFault& f) {
    err << "vestamark-host: " << f.why << "\nvestamark-host: nothing was written\n";
  } catch (const fs::filesystem_error& e) {
    err << "vestamark-host: " << e.what() << "\nvestamark-host: nothing was written\n";
  }
  try {
    runner.Close();
  } catch (const SessionFault&) {
    // The run has already failed and said why; shut-down only has to end.
  }
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
  std::error_code ec;
  fs::remove_all(scratch, ec);
  ForgetLeftover(scratch.string());
  return status;
}

}  // namespace headless
