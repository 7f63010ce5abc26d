// The module's resources (dialogs, images, icons, cursors, strings). Every
// table is registered with the module instance once, at start-up.
#pragma once

struct HINSTANCE__;

// All of the tables below; nothing without an instance.
void RegisterPluginResources(HINSTANCE__* instance);

void RegisterShellResources(HINSTANCE__* instance);
// The revision tools' cursors (16101 to 16110).
void RegisterCursorResources(HINSTANCE__* instance);
void RegisterHandleDialogResources(HINSTANCE__* instance);
void RegisterUpdateGradingResources(HINSTANCE__* instance);
void RegisterPresetDialogResources(HINSTANCE__* instance);
void RegisterSimpleGradingResources(HINSTANCE__* instance);
void RegisterFileCommandResources(HINSTANCE__* instance);
