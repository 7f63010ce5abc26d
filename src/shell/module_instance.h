// The module instance that its resources are found by.
#pragma once

#include "host_types.h"

struct HINSTANCE__;

// Through the SP Access suite; null when it is not held.
HINSTANCE__* ModuleInstance(AccessRef access);

// Kept by panel creation; dialogs and icons of the plug-in are loaded from it.
extern HINSTANCE__* gModuleInstance;
