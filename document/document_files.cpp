// The document's commands that write files.
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/pov_object.h"
#include "model/scene_text.h"

FileResult COrvantaDoc::OnSaveDocument(const std::string& path) {
    SceneText text;
    WriteSceneFile(*this, text);
    FileResult result = WriteFileAtomically(path, text.Text());
    if (result.ok) {
        SetPathName(path);
        SetModifiedFlag(false);
    }
    return result;
}

FileResult COrvantaDoc::SaveSelectedObject(const std::string& path) {
    if (!CurrentObject || !CurrentObject->IsPresent())
        return {false, "No object is selected."};
    return WriteFileAtomically(path, ObjectSceneText(*CurrentObject));
}
