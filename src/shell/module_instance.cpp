#include "shell/module_instance.h"

#include "shell/suite_pointers.h"

HINSTANCE__* ModuleInstance(AccessRef access) {
  HINSTANCE__* instance = nullptr;
  if (sSPAccess != nullptr && sSPAccess->GetAccessInfo(access, &instance) != kNoErr) instance = nullptr;
  return instance;
}

HINSTANCE__* gModuleInstance = nullptr;
