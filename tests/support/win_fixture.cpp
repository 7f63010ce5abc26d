#include "support/win_fixture.h"

HINSTANCE TestInstance() {
  static int anchor;
  return reinterpret_cast<HINSTANCE>(&anchor);
}

void RegisterTestResource(int type, int id, const void* data) {
  const ResourceEntry entry{type, id, data};
  RegisterModuleResources(TestInstance(), &entry, 1);
}
