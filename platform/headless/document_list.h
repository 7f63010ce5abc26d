// vestamark-host --list: what a document holds, so that a person can find the pieces of their
// own pattern and name them in a session.
#pragma once

#include <ostream>
#include <string>

#include "host/host_model.h"

namespace headless {

// Prints the page (its size in millimetres and how the file's px were counted), then each art
// (id, kind, layer, anchors, bounds in millimetres) to `out`, layers from the top; warnings and
// faults go to `err`. Returns the program's exit status.
int ListDocument(const std::string& path, const SvgReadOptions& read, std::ostream& out, std::ostream& err);

// The page and each art of an open document, as --list prints them.
void ListArts(HostDocument* doc, std::ostream& out);

// "page 594.00 x 841.00 mm, px read as 1/72 inch": so that a file read at the wrong size shows at once.
std::string PageSummary(const HostDocument* doc);

}  // namespace headless
