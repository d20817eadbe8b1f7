#include "app/orvanta_app.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/reading_progress.h"
#include "app/render_controller.h"
#include "app/settings_dialogs.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "document/scene_file_names.h"
#include "import/scene_importer.h"
#include "model/cp1252.h"
#include "model/pov_object.h"
#include "model/surfaces/predefined_textures.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "preview/preview_addons.h"
#include "preview/preview_pictures.h"
#include "preview/qt/preview_service.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "view/orvanta_view.h"
#include "view/qt/widgets/offscreen_camera_target.h"

namespace {

QString Utf8(const std::string& cp1252) {
    return QString::fromStdString(orv::Cp1252ToUtf8(cp1252));
}

std::string Cp1252(const QString& text) {
    return orv::Utf8ToCp1252(text.toStdString());
}

std::string Cp1252(const char* utf8) {
    return orv::Utf8ToCp1252(utf8);
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// a name typed without extension is saved as a scene file, which the "*.om" filter shows
QString SceneFilePath(const QString& path) {
    return path.isEmpty() ? path : QString::fromStdString(WithSceneExtension(path.toStdString()));
}

QString Filter(const char* german) {
    return QString::fromUtf8(Tr(german));
}

const char kRecentSection[] = "Recent File List";

}  // namespace

// the pictures and manual pages built into the program (a static library's resources are
// registered explicitly)
static void InitResources() {
    Q_INIT_RESOURCE(orvanta);
}

std::optional<CreateKind> CreateKindForCommand(int id) {
    switch (id) {
        case ID_CREATE_SPHERE:
            return CreateKind::Sphere;
        case ID_CREATE_BOX:
            return CreateKind::Box;
        case ID_CREATE_CONE:
            return CreateKind::Cone;
        case ID_CREATE_TORUS:
            return CreateKind::Torus;
        case ID_CREATE_CYLINDER:
            return CreateKind::Cylinder;
        case ID_CREATE_HEIGHTFIELD:
            return CreateKind::HeightField;
        case ID_CREATE_PLANE:
            return CreateKind::Plane;
        case ID_CREATE_LIGHT:
            return CreateKind::Light;
        case ID_CREATE_LIGHT_CYLINDER:
            return CreateKind::CylinderLight;
        case ID_CREATE_SPOT:
            return CreateKind::SpotLight;
        case ID_CREATE_CAMERA:
            return CreateKind::Camera;
        case ID_CREATE_LATHE:
            return CreateKind::Lathe;
        case ID_CREATE_USEROBJECT:
            return CreateKind::Predefined;
        case ID_CREATE_POLYGON:
            return CreateKind::Polygon;
        case ID_CREATE_TEXT:
            return CreateKind::Text;
        case ID_CREATE_CSG:
            return CreateKind::Csg;
        case ID_CREATE_BLOB:
            return CreateKind::Blob;
        case ID_CREATE_BACKGROUND:
            return CreateKind::Background;
        case ID_CREATE_SKYSPHERE:
            return CreateKind::SkySphere;
        case ID_CREATE_FOG:
            return CreateKind::Fog;
        case ID_CREATE_TEXTURE:
            return CreateKind::Texture;
        case ID_CREATE_HALO:
            return CreateKind::Halo;
        case ID_CREATE_PIGMENT:
            return CreateKind::Pigment;
        default:
            return std::nullopt;
    }
}

COrvantaApp::COrvantaApp() : previewAddOns_(ScanPreviewAddOns(PreviewFolder())) {
    InitResources();
    SetTextureAddOns(&previewAddOns_);
    // from now on the pages' preview lookups render what is missing, in the background
    PreviewService::Instance();
    frame_ = std::make_unique<CMainFrame>(*this);
    render_ = std::make_unique<RenderController>(*this, *frame_);
    // once the window is up and idle, so that the first scene opens without that wait
    QTimer::singleShot(0, frame_.get(), [] { OffscreenCameraTarget::Prepare(); });
}

COrvantaApp::~COrvantaApp() {
    if (render_ && document_)
        render_->Commands().DocumentClosing(*document_);
    if (frame_)
        frame_->CloseAllViews();
    document_.reset();
    // the render window goes before the frame it docks in
    render_.reset();
    SetTextureAddOns(nullptr);
}

QWidget* COrvantaApp::DialogParent() const {
    return frame_.get();
}

void COrvantaApp::DropDocument() {
    if (render_ && document_)
        render_->Commands().DocumentClosing(*document_);
    frame_->CloseAllViews();
    document_.reset();
    frame_->ClearCoordinatePane();
    frame_->RebuildMenus();
}

bool COrvantaApp::CloseDocument() {
    if (!document_)
        return true;
    if (document_->IsModified()) {
        QString question = QString::fromStdString(TrId(IDS_SAVE_CHANGES));
        question.replace("%1", Utf8(document_->GetTitle()));
        switch (GetPrompts().AskYesNoCancel(Cp1252(question))) {
            case IPrompts::Answer::Cancel:
                return false;
            case IPrompts::Answer::Yes:
                if (!SaveDocument())
                    return false;
                break;
            case IPrompts::Answer::No:
                break;
        }
    }
    DropDocument();
    return true;
}

bool COrvantaApp::NewDocument() {
    if (!CloseDocument())
        return false;
    NextViewKind = kTopView;
    document_ = std::make_unique<COrvantaDoc>();
    frame_->RebuildMenus();
    frame_->OpenView(kTopView);
    frame_->OpenView(kCameraView);
    frame_->OpenView(kSideView);
    frame_->OpenView(kFrontView);
    frame_->TileViews();
    frame_->CentreOrthographicViews();
    frame_->UpdateCommandStates();
    return true;
}

bool COrvantaApp::OpenDocument(const QString& path) {
    if (ReadingProgress::Active())
        return false;  // one scene is read at a time
    // a POV-Ray scene of another origin comes in through the importer
    if (ShouldImport(LocalPath(path)))
        return ImportDocument(path);
    NextViewKind = kCameraView;
    if (!CloseDocument())
        return false;
    lastProblems_.clear();
    auto doc = std::make_unique<COrvantaDoc>();
    SceneReadOptions options;
    options.logFolder = LocalPath(QDir::currentPath());
    SceneReadResult result;
    {
        ReadingProgress progress(*frame_);
        options.progress = progress.Callback();
        result = doc->OnOpenDocument(LocalPath(path), options);
    }
    if (!result.ok) {
        doc.reset();
        // a file that cannot be read is no recent file
        RemoveRecentFile(QFileInfo(path).absoluteFilePath());
        NewDocument();
        GetPrompts().Message(orv::Utf8ToCp1252(TrId(IDS_OPEN_FAILED)) + "\n" +
                             orv::Utf8ToCp1252(result.error));
        return false;
    }
    document_ = std::move(doc);
    document_->SetPathName(LocalPath(QFileInfo(path).absoluteFilePath()));
    ShowDocumentViews();
    AddRecentFile(QFileInfo(path).absoluteFilePath());
    if (!result.problems.empty())
        ShowReadProblems(path, result.problems);
    // the author's wish: show the scene's information whenever it is opened
    if (document_->ShowInfos())
        RunDocumentSettings(DialogParent(), *document_);
    return true;
}

void COrvantaApp::ShowDocumentViews() {
    frame_->RebuildMenus();
    frame_->OpenView(kCameraView);
    // the other three kinds, by the kind the next view would take now
    static const int kOrder[5][3] = {{kCameraView, kSideView, kFrontView},
                                     {kCameraView, kSideView, kTopView},
                                     {kCameraView, kTopView, kFrontView},
                                     {0, 0, 0},
                                     {kTopView, kSideView, kFrontView}};
    const int next =
        NextViewKind >= 0 && NextViewKind <= 4 && NextViewKind != 3 ? NextViewKind : kCameraView;
    for (int kind : kOrder[next])
        frame_->OpenView(kind);
    frame_->TileViews();
    frame_->CentreOrthographicViews();
    frame_->UpdateCommandStates();
}

bool COrvantaApp::SaveDocument() {
    if (!document_)
        return false;
    if (document_->GetPathName().empty()) {
        const QString path = QFileDialog::getSaveFileName(
            DialogParent(), QString(), Utf8(document_->GetTitle()) + ".om",
            QString::fromStdString(TrId(IDS_FILE_FILTER)));
        if (path.isEmpty())
            return false;
        return SaveDocumentAs(SceneFilePath(path));
    }
    // saving over a file that was not read completely loses what was not read
    if (document_->IsIncompleteRead()) {
        const int choice = GetPrompts().AskChoice(
            Cp1252(Tr("Die Datei wurde nicht vollständig gelesen; beim Speichern gehen die nicht "
                      "gelesenen Teile verloren.")),
            {Cp1252(Tr("Speichern unter")), Cp1252(Tr("Trotzdem speichern")),
             Cp1252(Tr("Abbrechen"))});
        if (choice == 0) {
            const QString path =
                QFileDialog::getSaveFileName(DialogParent(), QString(), Utf8(document_->GetTitle()),
                                             QString::fromStdString(TrId(IDS_FILE_FILTER)));
            return !path.isEmpty() && SaveDocumentAs(SceneFilePath(path));
        }
        if (choice != 1)
            return false;
    }
    return SaveDocumentAs(QString::fromLocal8Bit(document_->GetPathName().c_str()));
}

bool COrvantaApp::SaveDocumentAs(const QString& path) {
    if (!document_)
        return false;
    const FileResult result = document_->OnSaveDocument(LocalPath(path));
    if (!result.ok) {
        GetPrompts().Message(orv::Utf8ToCp1252(TrId(IDS_SAVE_FAILED)) + "\n" + result.error);
        return false;
    }
    document_->SetPathName(LocalPath(QFileInfo(path).absoluteFilePath()));
    frame_->UpdateTitles();
    AddRecentFile(QFileInfo(path).absoluteFilePath());
    return true;
}

CPovObject* COrvantaApp::Create(CreateKind kind) {
    if (!document_ || !document_->CanCreate(kind))
        return nullptr;
    return document_->OnCreate(kind);
}

void COrvantaApp::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(
        DialogParent(), QString(), QString(), QString::fromStdString(TrId(IDS_FILE_FILTER)));
    if (!path.isEmpty())
        OpenDocument(path);
}

void COrvantaApp::OnFileSaveAs() {
    if (!document_)
        return;
    const QString path =
        QFileDialog::getSaveFileName(DialogParent(), QString(), Utf8(document_->GetTitle()),
                                     QString::fromStdString(TrId(IDS_FILE_FILTER)));
    if (!path.isEmpty())
        SaveDocumentAs(SceneFilePath(path));
}

void COrvantaApp::OnSaveObject() {
    if (!document_ || !document_->CurrentObject || !document_->CurrentObject->IsPresent())
        return;
    const QString path = SceneFilePath(QFileDialog::getSaveFileName(
        DialogParent(), QString(), Utf8(document_->CurrentObject->Name) + ".om",
        Filter(SaveObjectFilter())));
    if (path.isEmpty())
        return;
    const FileResult result = document_->SaveSelectedObject(LocalPath(path));
    if (!result.ok)
        GetPrompts().Message(orv::Utf8ToCp1252(TrId(IDS_SAVE_FAILED)) + "\n" + result.error);
}

void COrvantaApp::OnLoadObjects() {
    if (!document_)
        return;
    const QString path = QFileDialog::getOpenFileName(DialogParent(), QString(), QString(),
                                                      Filter(LoadObjectsFilter()));
    if (!path.isEmpty())
        LoadObjects(path);
}

bool COrvantaApp::LoadObjects(const QString& path) {
    if (!document_ || ReadingProgress::Active())
        return false;
    SceneReadOptions options;
    options.logFolder = LocalPath(QDir::currentPath());
    SceneReadResult result;
    {
        ReadingProgress progress(*frame_);
        options.progress = progress.Callback();
        result = document_->LoadObjectsFromFile(LocalPath(path), options);
    }
    if (!result.ok) {
        GetPrompts().Message(orv::Utf8ToCp1252(TrId(IDS_OPEN_FAILED)) + "\n" +
                             orv::Utf8ToCp1252(result.error));
        return false;
    }
    document_->UpdateAllViews();
    if (!result.problems.empty())
        ShowReadProblems(path, result.problems);
    return true;
}

QStringList COrvantaApp::RecentFiles() const {
    QStringList files;
    for (int i = 1; i <= 4; ++i) {
        const std::string value =
            ReadSetting(SettingsRoot::User, kRecentSection, "File" + std::to_string(i), "");
        if (!value.empty())
            files << Utf8(value);
    }
    return files;
}

void COrvantaApp::AddRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    StoreRecentFiles(files);
}

void COrvantaApp::RemoveRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    if (files.removeAll(path) > 0)
        StoreRecentFiles(files);
}

void COrvantaApp::StoreRecentFiles(QStringList files) {
    while (files.size() > 4)
        files.removeLast();
    for (int i = 0; i < 4; ++i)
        GetSettingsStore().Write(SettingsRoot::User, kRecentSection, "File" + std::to_string(i + 1),
                                 i < files.size() ? Cp1252(files[i]) : std::string());
    frame_->RebuildMenus();
}

void COrvantaApp::ShowReadProblems(const QString& path, const ReadProblems& problems) {
    lastProblems_ = problems;
    auto* dialog = new QDialog(DialogParent());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName("readProblemsDialog");
    dialog->setWindowTitle(QString::fromStdString(TrId(IDS_READ_PROBLEMS_TITLE)));
    auto* layout = new QVBoxLayout(dialog);
    QString text = QString::fromStdString(TrId(IDS_READ_PROBLEMS_TEXT));
    text.replace("%1", QFileInfo(path).fileName());
    auto* label = new QLabel(text, dialog);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QPlainTextEdit(dialog);
    list->setReadOnly(true);
    QString lines;
    for (const ReadProblem& p : problems)
        lines +=
            (p.line > 0 ? QStringLiteral("%1: ").arg(p.line) : QString()) + Utf8(p.message) + "\n";
    list->setPlainText(lines);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog->resize(520, 300);
    dialog->show();  // not modal: the scene is usable while the list is open
}
