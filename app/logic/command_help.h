// The help texts of the commands: the line the status bar shows while the mouse is on a menu
// entry or tool-bar button, and the short tool tip of the button. German, through Tr.
#pragma once

struct CommandHelp {
    const char* status = "";
    const char* toolTip = "";
};

// the help of a command id; empty texts for a command without help
CommandHelp HelpForCommand(int id);
