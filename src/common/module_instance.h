// The module instance that its resources are found by.
#pragma once

#include "host_types.h"

struct HINSTANCE__;

// Through the SP Access suite; null when it is not held. Remembers what it found.
HINSTANCE__* ModuleInstance(AccessRef access);

// Kept by panel creation and by every successful ModuleInstance; dialogs and
// icons of the plug-in are loaded from it.
extern HINSTANCE__* gModuleInstance;

// For code that is handed no access record; null before start-up.
inline HINSTANCE__* LastModuleInstance() { return gModuleInstance; }
