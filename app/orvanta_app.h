// The application: one scene document at a time, the main window, and the commands that
// create, open, save and close documents. Creating or opening a document first closes the
// open one, after the save-changes question.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/read_problem.h"

class CMainFrame;
class COrvantaDoc;
struct ImportReport;
class CPovObject;
class QWidget;
class RenderController;
enum class CreateKind;

// the creation command of a menu id, if it is one
std::optional<CreateKind> CreateKindForCommand(int id);

class COrvantaApp : public QObject {
    Q_OBJECT

  public:
    COrvantaApp();
    ~COrvantaApp() override;

    CMainFrame* Frame() const { return frame_.get(); }
    COrvantaDoc* Document() const { return document_.get(); }

    // A new, untitled document with four tiled views: top, camera, side, front.
    bool NewDocument();
    // Opens a scene file in a new document (camera view first). A file that cannot be read
    // leaves a new untitled document and a message; problems met while reading are shown and
    // what was read stays. False when the file was not opened.
    bool OpenDocument(const QString& path);
    // Reads a POV-Ray scene into a new, untitled document and shows what came in as editable
    // objects, approximated or kept as POV-Ray text (app/import_commands.cpp).
    bool ImportDocument(const QString& path);
    // Asks whether to save changes; false when the user cancelled.
    bool CloseDocument();
    // Saves to the document's file (asks for one when it has none); false on failure.
    bool SaveDocument();
    bool SaveDocumentAs(const QString& path);
    // Runs a creation command on the open document.
    CPovObject* Create(CreateKind kind);

    // the commands with a file dialog
    void OnFileOpen();
    void OnFileImport();
    void OnFileSaveAs();
    void OnSaveObject();
    void OnLoadObjects();
    // reads objects of a file into the open document
    bool LoadObjects(const QString& path);

    // the four most recent files, newest first
    QStringList RecentFiles() const;
    // the problems of the last read, as the problems dialog showed them
    const ReadProblems& LastReadProblems() const { return lastProblems_; }

    // POV-Ray: the render commands and the render window
    RenderController& Render() { return *render_; }

  private:
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    // the newest four of files into the settings, and the menus rebuilt
    void StoreRecentFiles(QStringList files);
    void ShowReadProblems(const QString& path, const ReadProblems& problems);
    void ShowImportReport(const QString& path, const ImportReport& report);
    // the views of a document just read: camera view first, tiled
    void ShowDocumentViews();
    void DropDocument();
    QWidget* DialogParent() const;

    // the texture-preview add-ons' (texture name, picture) pairs, scanned at start-up
    std::vector<std::string> previewAddOns_;
    std::unique_ptr<COrvantaDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<RenderController> render_;
    ReadProblems lastProblems_;
};
