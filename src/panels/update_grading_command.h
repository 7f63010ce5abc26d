// The Information panel's Update command.
#pragma once

// The update dialog, then the copies for the chosen presets, the undo texts
// and the notification; in document mode every titled piece graded anew.
void RunUpdateGradingCommand();
