// The plug-in's menu items: panel toggles and About.
#pragma once

#include "host_types.h"

HostErr UpdateMenuItems(MenuMessage* message);
HostErr GoMenuItem(MenuMessage* message);
