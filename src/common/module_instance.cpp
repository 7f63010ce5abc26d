#include "common/module_instance.h"

#include "common/suite_pointers.h"

HINSTANCE__* gModuleInstance = nullptr;

HINSTANCE__* ModuleInstance(AccessRef access) {
  HINSTANCE__* instance = nullptr;
  if (sSPAccess != nullptr && sSPAccess->GetAccessInfo(access, &instance) != kNoErr) instance = nullptr;
  if (instance != nullptr) gModuleInstance = instance;
  return instance;
}
