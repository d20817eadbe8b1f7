// Raw elements: POV-Ray text the modeller keeps as it is, between its marker lines.
#include "document/orvanta_doc.h"
#include "document/scene_builder.h"
#include "model/raw/pov_raw.h"

void SceneBuilder::RawElement(std::string_view text, bool closed) {
    if (object_) {
        Discard();
    }
    // the first line is the marker with the element's data, the rest its text
    const size_t lineEnd = text.find('\n');
    std::string_view header =
        text.substr(0, lineEnd == std::string_view::npos ? text.size() : lineEnd);
    const std::string_view body =
        lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);
    if (!header.empty() && header.back() == '\r') {
        header.remove_suffix(1);
    }
    header.remove_prefix(std::string_view("//$raw").size());
    auto* raw = new CPovRaw();
    if (!closed) {
        Warn("POV-Ray text without its end marker: kept up to the end of the file");
    }
    if (!raw->ReadMarked(header, body)) {
        // kept whole as a statement that is not moved, so that nothing is lost
        raw->Keyword = "text";
        raw->Text = std::string(body);
        raw->Movable = false;
        raw->UpdateGeometry();
        Warn("POV-Ray text whose markers were changed: kept as it stands");
    }
    Start(raw, &doc_.Objects);
    EndObject();
}
