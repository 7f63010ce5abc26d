// Holds the module's suites while a test calls module functions directly, as
// a panel window procedure does outside a host call: the suite pointers are
// set, and nested holders touch the host only once.
#pragma once

#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "host_suite_tables.h"

class ModuleSuites {
 public:
  ModuleSuites() {
    sSPBasic = &gBasicSuite;
    result = AcquireSuites(&gBasicSuite);
  }
  ~ModuleSuites() { ReleaseSuites(&gBasicSuite); }
  ModuleSuites(const ModuleSuites&) = delete;
  ModuleSuites& operator=(const ModuleSuites&) = delete;
  HostErr result;
};
