// demo: builds a small scene through the document and prints its scene text.
#include <cstdio>

#include "cli/commands.h"
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/scene_text.h"
#include "model/solids/pov_cubic.h"

int RunDemo(const CommandArgs&) {
    COrvantaDoc doc;
    doc.InsertObject(new CPovCubic());
    SceneText text;
    WriteSceneFile(doc, text);
    std::fwrite(text.Text().data(), 1, text.Text().size(), stdout);
    return 0;
}
