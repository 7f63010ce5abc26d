// A readable, exact dump of a stand-in document: layers, art, state, tags,
// segments (17 significant digits) and text. Equal dumps, equal documents.
#pragma once

#include <string>

#include "host_types.h"

namespace vmtest {

std::string DumpDocument(DocumentHandle doc);

}  // namespace vmtest
