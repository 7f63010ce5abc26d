// Holds the module's suites while a test calls module functions directly, as
// a panel window procedure does outside a host call: the suite pointers are
// set, and nested holders touch the host only once.
#pragma once

#include "host_suite_tables.h"
#include "shell/suite_pointers.h"
#include "shell/suite_table.h"

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
