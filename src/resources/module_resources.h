// The module's resources (dialogs, images, strings), registered with the
// module instance once at start-up.
#pragma once

struct HINSTANCE__;

void RegisterShellResources(HINSTANCE__* instance);
// The revision tools' cursors (16101 to 16110); RegisterShellResources registers them too.
void RegisterCursorResources(HINSTANCE__* instance);
