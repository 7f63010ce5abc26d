// Everything of the stand-in Windows the module may call.
#pragma once

#include "win_codepage.h"
#include "win_files.h"
#include "win_gdi.h"
#include "win_host_windows.h"
#include "win_messages.h"
#include "win_resources.h"
#include "win_system.h"
#include "win_types.h"
#include "win_window.h"
