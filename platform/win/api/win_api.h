// Everything of the stand-in Windows the module may call.
#pragma once

#include "win_codepage.h"
#include "win_files.h"
#include "win_types.h"
