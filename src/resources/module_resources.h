// The module's resources (dialogs, images, strings), registered with the
// module instance once at start-up.
#pragma once

struct HINSTANCE__;

void RegisterShellResources(HINSTANCE__* instance);
