// The panels' button icons, registered with the module instance.
#pragma once

struct HINSTANCE__;

void RegisterPanelResources(HINSTANCE__* instance);
// The kind icons of the Information panel's rows.
void RegisterInfListIcons(HINSTANCE__* instance);
