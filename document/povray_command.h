// The command lines that hand a saved scene to POV-Ray and the rendered image to a viewer.
// Programs get argument lists, never command texts split at blanks.
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

// What a render asks of POV-Ray besides the scene.
struct RenderOptions {
    int width = 640;
    int height = 480;
    bool antialias = false;
    // rows firstRow .. endRow - 1 (from 0) only; endRow 0: all rows
    int firstRow = 0;
    int endRow = 0;
    // POV-Ray's output format letter ("+FT" Targa, "+FN" PNG, ...)
    char format = 'T';
};

// The image POV-Ray writes for a scene: the scene path with a short extension (a '.' among its
// last four characters) replaced by ".tga", else ".tga" appended.
std::string ImageFileName(const std::string& scenePath);

// POV-Ray on the scene: the program, "-i<scene>", "-o<image>", "+FT" and, when set, the
// configuration file. The program is the configured one, or "povray" from the PATH.
CommandLine PovRayCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                              const std::string& scenePath);

// What the render window and the batch tool add to that line: the size, anti-aliasing and the
// symbol that lets POV-Ray read the parts of predefined objects.
std::vector<std::string> RenderArguments(const RenderOptions& options);

// POV-Ray from the PATH (no program configured) with its picture on standard output ("+O-"):
// the configuration file when one is set (so that the options after it win), the scene, no
// display window of its own, the render arguments and the rows asked for.
CommandLine StreamingCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                                 const std::string& scenePath, const RenderOptions& options);

// POV-Ray's output format letter for the extension of an image name, in any letter case:
// 'N' for ".png", 'P' for ".ppm", 'B' for ".bmp", 'E' for ".exr", 'H' for ".hdr", else 'T'.
char ImageFormatFor(const std::string& imagePath);

// The first executable file called name in the folders of path (a PATH value); empty when
// there is none. A name with a '/' is taken as it is when it is executable.
std::string FindProgram(const std::string& name, const std::string& path);

// The viewer on the image: the configured parameters with "%s" standing for the image.
CommandLine ViewerCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                              const std::string& imagePath);
