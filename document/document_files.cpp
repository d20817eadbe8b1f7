// The document's commands that read and write files.
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
    return WriteFileAtomically(path, ObjectSceneText(*CurrentObject, Pov3()));
}

SceneReadResult COrvantaDoc::OnOpenDocument(const std::string& path,
                                            const SceneReadOptions& options) {
    Comment().clear();
    std::string buffer;
    SceneReadResult failed;
    if (!LoadSceneFile(path, buffer, failed.error)) {
        failed.ok = false;
        return failed;
    }
    Author().clear();
    Company().clear();
    ShowInfos() = false;
    SceneReadResult result = ReadSceneBuffer(*this, buffer, true, options.progress);
    CurrentDocument = this;
    if (!options.logFolder.empty())
        WriteReadLogs(options.logFolder, result);
    SetPathName(path);
    SetModifiedFlag(false);
    return result;
}

SceneReadResult COrvantaDoc::LoadObjectsFromFile(const std::string& path,
                                                 const SceneReadOptions& options) {
    CPovObject* head = Objects;
    std::string buffer;
    SceneReadResult failed;
    if (!LoadSceneFile(path, buffer, failed.error)) {
        failed.ok = false;
        return failed;
    }
    SceneReadResult result = ReadSceneBuffer(*this, buffer, false, options.progress);
    if (!options.logFolder.empty())
        WriteReadLogs(options.logFolder, result);
    if (Objects != head) {
        PlaceNewObject(Objects);
        UpdateAllViews();
        SetModifiedFlag(true);
    }
    return result;
}
