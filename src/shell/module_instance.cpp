#include "shell/module_instance.h"

#include "shell/suite_pointers.h"

namespace {

HINSTANCE__* gLastInstance = nullptr;

}  // namespace

HINSTANCE__* ModuleInstance(AccessRef access) {
  HINSTANCE__* instance = nullptr;
  if (sSPAccess != nullptr && sSPAccess->GetAccessInfo(access, &instance) != kNoErr) instance = nullptr;
  if (instance != nullptr) gLastInstance = instance;
  return instance;
}

HINSTANCE__* LastModuleInstance() { return gLastInstance; }
