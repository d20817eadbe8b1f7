// POV-Ray 3.7's scene language, read and evaluated: directives (#declare, #local, #if,
// #ifdef, #ifndef, #switch, #while, #for, #macro, #include, #version, #default ...), float,
// vector, colour and string expressions with POV-Ray's operator rules and built-in functions,
// arrays, and the statements of the scene with every expression replaced by its value.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "import/pov_scene.h"

namespace pov {

struct EvaluatorLimits {
    // loop iterations (#while, #for) over the whole evaluation
    size_t loopIterations = 2'000'000;
    // macros and include files open at once
    int nesting = 200;
    // include files open at once, POV-Ray's own limit
    int includeNesting = 10;
    // tokens read over the whole evaluation (stops pathological inputs)
    size_t tokens = 200'000'000;
    // nested braces, brackets and parentheses
    int blockDepth = 500;
    // bytes of one scene or include file
    size_t fileBytes = 64u << 20;
};

struct EvaluatorOptions {
    // folders searched for include files after the scene's own folder (POV-Ray's include
    // folder first)
    std::vector<std::string> includeFolders;
    EvaluatorLimits limits;
    // the picture size that image_width and image_height report
    int imageWidth = 800;
    int imageHeight = 600;
};

// POV-Ray's include folder on this system, or empty when POV-Ray's include files are missing.
std::string InstalledIncludeFolder();

// Reads and evaluates a scene file (its includes are read from its folder and the include
// folders).
EvaluatedScene EvaluateFile(const std::string& path, const EvaluatorOptions& options);
// Evaluates scene text; name is the file name that problems quote, folder where the scene's
// own include files are looked for.
EvaluatedScene EvaluateText(std::string text, const std::string& name, const std::string& folder,
                            const EvaluatorOptions& options);

// Takes each top-level statement as soon as it is evaluated, while the evaluation goes on (the
// scene's files, declarations and problems so far are in the scene); a statement it returns
// false for is kept in the scene's list.
using StatementSink = std::function<bool(Statement&)>;
// The same, evaluated into scene, whose statements a sink can take as they come.
void EvaluateFileInto(EvaluatedScene& scene, const std::string& path,
                      const EvaluatorOptions& options, const StatementSink& sink);
void EvaluateTextInto(EvaluatedScene& scene, std::string text, const std::string& name,
                      const std::string& folder, const EvaluatorOptions& options,
                      const StatementSink& sink);

}  // namespace pov
