// Holds the module's suites for a test that calls module functions directly,
// as a panel window procedure does outside a host call.
#pragma once

#include "host_suite_tables.h"
#include "shell/suite_pointers.h"
#include "shell/suite_table.h"

class HeldSuites {
 public:
  HeldSuites() {
    sSPBasic = &gBasicSuite;
    result = AcquireSuites(&gBasicSuite);
  }
  ~HeldSuites() { ReleaseSuites(&gBasicSuite); }
  HeldSuites(const HeldSuites&) = delete;
  HeldSuites& operator=(const HeldSuites&) = delete;
  HostErr result;
};
