// The desktop program's command line:
//   orvanta [--no-start-window] [--screenshot PNG] [FILE]
// --no-start-window (also -nologo) skips the start window; --screenshot saves the window as a
// picture once the scene is shown and ends the program (for runs without a display).
#pragma once

#include <string>
#include <vector>

struct StartOptions {
    bool startWindow = true;
    std::string screenshot;
    std::string file;
    // an argument the program does not know, or a switch without its value
    std::string error;
};

// args: the arguments after the program name
StartOptions ParseStartOptions(const std::vector<std::string>& args);
