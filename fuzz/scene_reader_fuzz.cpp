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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResetModelGlobals();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SceneText written;
    {
        COrvantaDoc doc;
        ReadSceneText(doc, text, true);
        WriteSceneFile(doc, written);
    }
    COrvantaDoc again;
    ReadSceneText(again, written.Text(), true);
    return 0;
}
