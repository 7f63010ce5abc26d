// vestamark-host --list: what a document holds, so that a person can find the pieces of their
// own pattern and name them in a session.
#pragma once

#include <ostream>
#include <string>

namespace headless {

// Prints each art (id, kind, layer, anchors, bounds in millimetres) to `out`, layers from the top;
// warnings and faults go to `err`. Returns the program's exit status.
int ListDocument(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace headless
