// libFuzzer target: any bytes as a scene file. The reader must neither crash nor trip a
// sanitizer, and whatever it built must write and read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/orvanta_doc.h"
#include "document/scene_reader.h"
#include "document/scene_writer.h"
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
    bool clean = false;
    const std::string first =
        ReadAndWrite(std::string_view(reinterpret_cast<const char*>(data), size), clean);
    // The first text may still differ from the second: values written with fewer decimals
    // than the input had lose them once. From then on the text is the writer's own.
    const std::string second = ReadAndWrite(first, clean);
    const std::string third = ReadAndWrite(second, clean);
    if (clean && third != second)
        __builtin_trap();
    return 0;
}
