#include "common/plugin_globals.h"

PluginGlobals* gPlugin = nullptr;
