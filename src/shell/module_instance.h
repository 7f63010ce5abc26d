// The module instance that its resources are found by.
#pragma once

#include "host_types.h"

struct HINSTANCE__;

// Through the SP Access suite; null when it is not held.
HINSTANCE__* ModuleInstance(AccessRef access);

// The instance ModuleInstance last found (start-up asks for it), for code
// that is handed no access record; null before that.
HINSTANCE__* LastModuleInstance();
