// libFuzzer target: any bytes as a POV-Ray scene for the importer. It must neither crash nor
// hang nor trip a sanitizer, and the document it built must write, and what was written must
// read again and write the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/orvanta_doc.h"
#include "document/scene_reader.h"
#include "document/scene_writer.h"
#include "import/scene_importer.h"
#include "model/name_counters.h"
#include "model/scene_text.h"

namespace {

std::string ReadAndWrite(std::string_view text, bool& clean) {
    ResetModelGlobals();
    COrvantaDoc doc;
    clean = ReadSceneText(doc, text, true).problems.empty();
    SceneText written;
    WriteSceneFile(doc, written);
    return written.Take();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // small limits keep a runaway loop of one input from eating the fuzzing time
    ResetModelGlobals();
    pov::EvaluatorLimits limits;
    limits.loopIterations = 20000;
    limits.tokens = 2'000'000;
    limits.nesting = 64;
    limits.blockDepth = 200;
    std::string written;
    {
        COrvantaDoc imported;
        ImportPovSceneText(std::string(reinterpret_cast<const char*>(data), size), "fuzz.pov",
                           "/nonexistent", imported, limits);
        SceneText text;
        WriteSceneFile(imported, text);
        written = text.Take();
    }
    // the modeller's own file of an import reads back without changing again
    bool clean = false;
    const std::string second = ReadAndWrite(written, clean);
    const std::string third = ReadAndWrite(second, clean);
    if (clean && third != second)
        __builtin_trap();
    return 0;
}
