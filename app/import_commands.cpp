// Importing POV-Ray scenes in the desktop application: "&Datei" > "&Importieren...", and
// opening or dropping a POV-Ray scene that the modeller did not write itself.
#include <QAbstractListModel>
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "app/reading_progress.h"
#include "document/orvanta_doc.h"
#include "import/scene_importer.h"
#include "resources/ui_text.h"
#include "view/orvanta_view.h"

namespace {

QString Text(const char* german) {
    return QString::fromUtf8(Tr(german));
}

// The lines of a text for a list view, each made a string only when it is shown.
class TextLines : public QAbstractListModel {
  public:
    TextLines(std::string text, QObject* parent)
        : QAbstractListModel(parent), text_(std::move(text)) {
        for (size_t start = 0; start < text_.size();) {
            size_t end = text_.find('\n', start);
            if (end == std::string::npos)
                end = text_.size();
            if (end > start)
                lines_.emplace_back(start, end - start);
            start = end + 1;
        }
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() ||
            static_cast<size_t>(index.row()) >= lines_.size())
            return {};
        const auto [start, length] = lines_[static_cast<size_t>(index.row())];
        return QString::fromUtf8(text_.data() + start, static_cast<qsizetype>(length));
    }

  private:
    std::string text_;
    std::vector<std::pair<size_t, size_t>> lines_;
};

}  // namespace

void COrvantaApp::OnFileImport() {
    const QString path = QFileDialog::getOpenFileName(
        DialogParent(), Text("POV-Ray-Szene importieren"), QString(),
        Text("POV-Ray-Szenen (*.pov *.inc)") + ";;" + Text("Alle Dateien (*)"));
    if (!path.isEmpty())
        ImportDocument(path);
}

bool COrvantaApp::ImportDocument(const QString& path) {
    if (ReadingProgress::Active())
        return false;  // one scene is read at a time
    NextViewKind = kCameraView;
    if (!CloseDocument())
        return false;
    auto doc = std::make_unique<COrvantaDoc>();
    const QString file = QFileInfo(path).absoluteFilePath();
    ImportReport report;
    {
        // the window paints and shows where the import is; the user's input waits
        ReadingProgress progress(*frame_);
        report = ImportPovScene(QFile::encodeName(file).toStdString(), *doc,
                                ImportFlow::MapWhileEvaluating, progress.Utf8Callback());
    }
    // the imported scene has no file of its own yet: saving asks for a name, so the POV-Ray
    // scene is never overwritten in the modeller's format
    document_ = std::move(doc);
    ShowDocumentViews();
    ShowImportReport(path, report);
    return true;
}

void COrvantaApp::ShowImportReport(const QString& path, const ImportReport& report) {
    auto* dialog = new QDialog(DialogParent());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName("importReportDialog");
    dialog->setWindowTitle(Text("Import"));
    auto* layout = new QVBoxLayout(dialog);
    QString heading = Text("Was aus %1 übernommen wurde:");
    heading.replace("%1", QFileInfo(path).fileName());
    layout->addWidget(new QLabel(heading, dialog));
    // a line per statement: a scene of many objects has as many lines, which a list shows at
    // once where a text field would lay every one of them out first
    auto* list = new QListView(dialog);
    list->setObjectName("importReport");
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setModel(new TextLines(report.Text(), list));
    // Ctrl+C copies the selected lines in their order
    auto* copy = new QAction(list);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    list->addAction(copy);
    QObject::connect(copy, &QAction::triggered, list, [list] {
        QModelIndexList rows = list->selectionModel()->selectedRows();
        std::sort(rows.begin(), rows.end());
        QStringList lines;
        for (const QModelIndex& row : rows)
            lines << row.data().toString();
        QGuiApplication::clipboard()->setText(lines.join('\n') + '\n');
    });
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog->resize(640, 360);
    dialog->show();  // not modal: the scene is usable while the report is open
}
