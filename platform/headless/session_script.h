// A session of the headless host: what a person does to one document, one step a line.
// The whole text is read before anything runs, so a mistyped line stops the run untouched.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace headless {

enum class StepKind {
  Select,       // the selection becomes exactly these arts (ids)
  Deselect,     // these arts, or all of them, leave the selection
  Tool,         // choose a tool by its title ("none": a host tool)
  ToolOptions,  // double-click on the tool's icon
  Track,        // mouse moves without a button
  Down,
  Drag,
  Up,
  Tick,  // the host's polling timers run
  Zoom,
  Menu,     // a menu item by its text or name
  Flyout,   // a panel's flyout item by its text or id
  Panel,    // a control of a panel: click, pick, double-click
  Answers,  // the next dialogs, message boxes and open-file dialogs (win layer script)
  Alert,    // the answer to the next host alert
  PutFile,  // the answer to the next host save dialog
  Undo,
  Redo,
  Save,
};

struct Step {
  StepKind kind;
  int line = 0;                    // in the session file, from 1
  std::string source;              // the line as written
  std::vector<std::string> words;  // after the verb (names, ids, texts)
  double x = 0, y = 0;             // mouse steps, in document points
  uint32_t modifiers = 0;          // host tool event bits
  double number = 0;               // tick count, zoom, alert answer
  std::string script;              // Answers: text for the win layer's script reader
};

struct Session {
  int language = -1;      // 0 Japanese, 1 English, 2 Korean; -1 as the preferences say
  std::string documents;  // the user's Documents folder; empty: a scratch folder
  double pixelsPerInch = 0;  // how the document counts px: 96 or 72; 0 as the command line says (96)
  std::vector<Step> steps;
};

// Reads every line; false at the first it cannot take, with its number and the reason.
bool ReadSession(const std::string& text, Session* session, int* faultLine, std::string* fault);

}  // namespace headless
