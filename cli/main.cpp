// orvanta-cli: the batch tool on the modeller's core.
#include <cstdio>
#include <cstring>
#include <string>

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "model/solids/pov_cubic.h"

namespace {

int Demo() {
    COrvantaDoc doc;
    doc.InsertObject(new CPovCubic());
    SceneText text;
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
        if (o->IsPresent())
            o->WriteScene(text);
    std::fwrite(text.Text().data(), 1, text.Text().size(), stdout);
    return 0;
}

void Usage(FILE* out) {
    std::fputs(
        "usage: orvanta-cli demo\n"
        "  demo   build a small scene through the document and print its POV-Ray text\n",
        out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h") {
        Usage(stdout);
        return 0;
    }
    if (command == "demo")
        return Demo();
    std::fprintf(stderr, "orvanta-cli: unknown command '%s'\n", argv[1]);
    Usage(stderr);
    return 2;
}
