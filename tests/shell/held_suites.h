// Older name of the suite holder, kept for tests that include it.
#pragma once

#include "support/module_suites.h"

using HeldSuites = ModuleSuites;
