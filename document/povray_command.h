// The command lines that hand a saved scene to POV-Ray and the rendered image to a viewer.
#pragma once

#include <string>
#include <vector>

#include "document/orvanta_options.h"

struct CommandLine {
    std::string program;
    std::vector<std::string> arguments;
    // the whole line as one text, for messages and logs
    std::string ToString() const;
};

// The image POV-Ray writes for a scene: the scene path with a short extension (a '.' among its
// last four characters) replaced by ".tga", else ".tga" appended.
std::string ImageFileName(const std::string& scenePath);

// POV-Ray on the scene: the program, "-i<scene>", "-o<image>", "+FT" and, when set, the
// configuration file. The program is the configured one, or "povray" from the PATH.
CommandLine PovRayCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                              const std::string& scenePath);

// The viewer on the image: the configured parameters with "%s" standing for the image.
CommandLine ViewerCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                              const std::string& imagePath);
