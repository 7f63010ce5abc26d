// vestamark-host: runs Vestamark in the stand-in host on one document and one session.
#include <csignal>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_reference.h"
#include "document_list.h"
#include "session_run.h"
#include "session_script.h"
#include "win/whole_file.h"

namespace {

// A file-size limit stops a run as surely as a person does.
constexpr int kStops[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};

void StopLeavingNothing(int stop) {
  RemoveLeftovers();
  raise(stop);  // the default action, once the handler returns, so the status tells the signal
}

// A signal the caller ignores (nohup, a shell's trap) stays ignored.
void RemoveLeftoversOnStop() {
  struct sigaction stopping {};
  stopping.sa_handler = StopLeavingNothing;
  stopping.sa_flags = SA_RESETHAND;
  sigemptyset(&stopping.sa_mask);
  for (int stop : kStops) sigaddset(&stopping.sa_mask, stop);
  for (int stop : kStops) {
    struct sigaction was {};
    if (sigaction(stop, nullptr, &was) == 0 && was.sa_handler != SIG_IGN) sigaction(stop, &stopping, nullptr);
  }
}

constexpr const char* kUsage =
    "usage: vestamark-host [--px-per-inch 96|72] DOCUMENT.svg SESSION OUTPUT.svg\n"
    "       vestamark-host --list [--px-per-inch 96|72] DOCUMENT.svg\n"
    "       vestamark-host --dialogs\n"
    "\n"
    "Starts the Vestamark module in the stand-in host, opens DOCUMENT.svg, replays the steps of\n"
    "SESSION as a person's actions, and writes the resulting document to OUTPUT.svg. It prints\n"
    "what a person would have seen: alerts, dialogs, undo texts, beeps and the layers written.\n"
    "A fault in the session or the document stops the run with its line number; nothing is\n"
    "written then, and the exit status is 1 (2 for a wrong command line).\n"
    "--list prints the page of DOCUMENT.svg in millimetres and how its px were counted, then\n"
    "each art: its id, kind, layer, number of anchors, and its bounds in millimetres, as a\n"
    "session's coordinates give them (y upwards).\n"
    "--px-per-inch 72 reads px (and plain numbers) of a file of another program as points, as\n"
    "several programs write them; 96, SVG's own count, is the default.\n"
    "--dialogs prints every dialog and panel control a session can drive: ids, labels, what each\n"
    "holds and how each dialog opens (platform/headless/DIALOGS.md).\n"
    "\n"
    "SESSION holds one step a line; '#' starts a comment. Start-up options come first:\n"
    "  language japanese|english|korean     documents FOLDER     px-per-inch 96|72\n"
    "Steps:\n"
    "  select ID...            deselect [ID...]          tool TITLE | tool none    tool-options\n"
    "  track|down|drag|up X Y [shift] [alt] [ctrl] [double]   (points, or millimetres: 12.5mm)\n"
    "  tick [COUNT]            zoom FACTOR               menu TEXT\n"
    "  flyout PANEL [text|number] ITEM\n"
    "  panel PANEL click CONTROL | panel PANEL pick|double-click CONTROL ROW\n"
    "  dialog ID|TITLE ... end (set, select, replace, click, check, pick, pick-text, double-click,\n"
    "                          click-at, drag, focus, enter, escape: answers for that dialog;\n"
    "                          a CONTROL is its id or its English label, as --dialogs prints it)\n"
    "  message-box ok|cancel|yes|no|...      open-file PATH|cancel\n"
    "  alert ok|yes|cancel|no  put-file PATH|cancel      undo    redo    save [PATH]\n"
    "\n"
    "platform/headless/README.md describes every step.\n";

}  // namespace

int main(int argc, char** argv) {
  RemoveLeftoversOnStop();
  std::vector<std::string> args(argv + 1, argv + argc);
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  if (!args.empty() && args[0] == "--dialogs") {
    if (args.size() == 1) return headless::PrintDialogReference(std::cout, std::cerr);
    std::cerr << "vestamark-host: --dialogs takes nothing\n\n" << kUsage;
    return 2;
  }
  const bool list = !args.empty() && args[0] == "--list";
  if (list) args.erase(args.begin());
  double pixelsPerInch = 0;
  if (!args.empty() && args[0] == "--px-per-inch") {
    if (args.size() < 2 || (args[1] != "96" && args[1] != "72")) {
      std::cerr << "vestamark-host: --px-per-inch is 96 or 72\n\n" << kUsage;
      return 2;
    }
    pixelsPerInch = std::stod(args[1]);
    args.erase(args.begin(), args.begin() + 2);
  }
  if (list) {
    SvgReadOptions read;
    if (pixelsPerInch > 0) read.pixelsPerInch = pixelsPerInch;
    if (args.size() == 1) return headless::ListDocument(args[0], read, std::cout, std::cerr);
    std::cerr << "vestamark-host: --list takes one document\n\n" << kUsage;
    return 2;
  }
  if (args.size() != 3) {
    std::cerr << "vestamark-host: expected a document, a session and an output file\n\n" << kUsage;
    return 2;
  }
  headless::RunPaths paths{args[0], args[1], args[2], pixelsPerInch};
  std::ifstream in(paths.session, std::ios::binary);
  if (!in) {
    std::cerr << "vestamark-host: " << paths.session << ": cannot be read\n";
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  headless::Session session;
  int line = 0;
  std::string why;
  if (!headless::ReadSession(text.str(), &session, &line, &why)) {
    std::cerr << paths.session << ":" << line << ": " << why << "\nvestamark-host: nothing was written\n";
    return 1;
  }
  return headless::RunSession(session, paths, std::cout, std::cerr);
}
