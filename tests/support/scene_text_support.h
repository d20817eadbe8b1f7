// The writer's text of a document, and the header every empty document at the POV-Ray 2 level
// writes: shared by the writer's and the reader's tests.
#pragma once

#include <string>

#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/scene_text.h"

inline const char kEmptyHeader[] =
    "//$author:$ \r\n"
    "//$company:$ \r\n"
    "\r\n"
    "//$zoom front:$ 0.0000\r\n"
    "//$zoom right:$ 0.0000\r\n"
    "//$zoom top:$ 0.0000\r\n"
    "//$grid front:$ 0.0000\r\n"
    "//$grid right:$ 0.0000\r\n"
    "//$grid top:$ 0.0000\r\n"
    "//$usepov2$ do not delete this line\r\n"
    "//\r\n//  standard include files for POV.\r\n//\r\n"
    "#include \"colors.inc\"\r\n"
    "#include \"textures.inc\"\r\n"
    "#include \"shapes.inc\"\r\n"
    "#include \"stones.inc\"\r\n\r\n\r\n";

inline std::string Write(const COrvantaDoc& doc) {
    SceneText text;
    WriteSceneFile(doc, text);
    return text.Take();
}
