// The reference of every dialog and panel control a session can drive, printed from the module's
// resources and the notes beside them (vestamark-host --dialogs; platform/headless/DIALOGS.md).
#pragma once

#include <ostream>

namespace headless {

// Prints the reference as Markdown. Returns 0, or 1 when a dialog or control of the module has
// no note or no label (each named on `err`).
int PrintDialogReference(std::ostream& out, std::ostream& err);

}  // namespace headless
