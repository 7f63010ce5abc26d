#include "shell/plugin_globals.h"

PluginGlobals* gPlugin = nullptr;
