// Runs a session: the module started in the stand-in host, the document opened, each step
// sent as the host would send a person's action, and the result written.
#pragma once

#include <ostream>
#include <string>

#include "session_script.h"

namespace headless {

struct RunPaths {
  std::string document;  // the SVG to open
  std::string session;   // for messages
  std::string output;    // where the result is written
  double pixelsPerInch = 0;  // --px-per-inch: 96 or 72, before the session's own; 0 when not given
};

// What a person would have seen goes to `out`; a fault stops the run with its message on `err`
// and nothing written. Returns the program's exit status.
int RunSession(const Session& session, const RunPaths& paths, std::ostream& out, std::ostream& err);

}  // namespace headless
