// A failing expression is reported as one "Script Error!" alert per user
// action: the first error of the action is shown, later ones are not, since
// a rebuild evaluates the same faulty amount for every path and handle.
#pragma once

#include <cstdint>

// The span of one user action: a host call of the module, or a command given
// in one of its dialogs. A scope inside another belongs to the outer action.
class ScriptActionScope {
 public:
  ScriptActionScope();
  ~ScriptActionScope();
  ScriptActionScope(const ScriptActionScope&) = delete;
  ScriptActionScope& operator=(const ScriptActionScope&) = delete;
};

// The message loop of a modal dialog of the module, run inside an action:
// each command the user gives in the dialog (a ScriptActionScope around its
// handling) is an action of its own; what the dialog does as it opens, and
// what the last command showed, count for the action that opened it. A dialog
// whose OK takes what its preview showed (`previewTaken`) counts what any
// command showed, so that the rebuild after OK does not show again the alert
// the user saw while typing.
class ScriptDialogScope {
 public:
  explicit ScriptDialogScope(bool previewTaken = false);
  ~ScriptDialogScope();
  ScriptDialogScope(const ScriptDialogScope&) = delete;
  ScriptDialogScope& operator=(const ScriptDialogScope&) = delete;

 private:
  int32_t outerDialogDepth_;
  bool previewTaken_;
  bool outerShown_;
  int32_t shownAtOpen_;
};

// Painting evaluates amounts to show them and reports nothing: every
// dismissed alert would paint the list, and so evaluate, again.
class SilentScriptErrors {
 public:
  SilentScriptErrors();
  ~SilentScriptErrors();
  SilentScriptErrors(const SilentScriptErrors&) = delete;
  SilentScriptErrors& operator=(const SilentScriptErrors&) = delete;

 private:
  int16_t wasSilent_;
};

// 1 when an error text may be shown now; it then counts as the action's alert.
int TakeScriptAlert();
