// The file commands as a new user meets them: a typed name without extension, a file that
// cannot be read, what is current after opening, the mouse position after closing.
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "resources/command_ids.h"
#include "tests/app/desktop_fixture.h"

namespace {

// Answers the next file dialog with a typed name, as a user types it.
void AnswerFileDialog(const QString& path, QStringList* filters = nullptr) {
    QTimer::singleShot(0, [path, filters] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerFileDialog(path, filters);  // not shown yet
            return;
        }
        if (filters)
            *filters = dialog->nameFilters();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // as OK does
    });
}

TEST_F(FirstHourTest, SaveAsWithoutExtensionSavesAnOmFile) {
    app->Create(CreateKind::Sphere);
    AnswerFileDialog(QString::fromStdString(dir + "/szene"));
    Trigger(ID_FILE_SAVE_AS);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir + "/szene.om")));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir + "/szene")));
    EXPECT_EQ(app->Document()->GetTitle(), "szene.om");

    // one object, with its own filter list and the same rule
    QStringList filters;
    AnswerFileDialog(QString::fromStdString(dir + "/kugel"), &filters);
    Trigger(ID_EDIT_SAVE_OBJECT);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(dir + "/kugel.om")));
    EXPECT_EQ(filters,
              QStringList({"Orvanta Modeller Dateien (*.om)", "POV-Ray (*.pov)", "All Files (*)"}));
    // and loading objects offers the export files of another modeller
    AnswerFileDialog(QString::fromStdString(dir + "/kugel.om"), &filters);
    Trigger(ID_LOAD_FROM_FILE);
    EXPECT_EQ(filters, QStringList({"Orvanta Modeller Dateien (*.om)",
                                    "Vexcor UDO-Export Dateien (*.inc)", "All Files (*)"}));
}

TEST_F(FirstHourTest, AFileThatFailsToReadLeavesTheRecentList) {
    const QString path = QString::fromStdString(dir + "/weg.om");
    ASSERT_TRUE(app->SaveDocumentAs(path));
    ASSERT_TRUE(app->RecentFiles().contains(QFileInfo(path).absoluteFilePath()));
    QFile::remove(path);
    EXPECT_FALSE(app->OpenDocument(path));
    EXPECT_FALSE(app->RecentFiles().contains(QFileInfo(path).absoluteFilePath()));
    EXPECT_TRUE(app->RecentFiles().isEmpty());
}

TEST_F(FirstHourTest, AfterOpeningNothingIsCurrentAndCutIsOff) {
    app->Create(CreateKind::Plane);
    app->Create(CreateKind::Sphere);
    const QString path = QString::fromStdString(dir + "/boden.om");
    ASSERT_TRUE(app->SaveDocumentAs(path));
    ASSERT_TRUE(app->OpenDocument(path));
    Settle();
    EXPECT_EQ(app->Document()->CurrentObject, nullptr);
    Activate(kFrontView);
    app->Frame()->UpdateCommandStates();
    EXPECT_FALSE(app->Frame()->Action(ID_EDIT_CUT)->isEnabled());
    EXPECT_FALSE(app->Frame()->SelectionPane()->isEnabled());
}

TEST_F(FirstHourTest, TheMousePositionGoesWhenTheDocumentCloses) {
    ViewWidget* front = Activate(kFrontView);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 40),
                     front->Canvas()->mapToGlobal(QPointF(40, 40)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(front->Canvas(), &move);
    app->Frame()->UpdateStatusPanes();
    ASSERT_FALSE(app->Frame()->CoordinatePane()->text().isEmpty());
    Trigger(ID_FILE_CLOSE);
    app->Frame()->UpdateStatusPanes();
    EXPECT_TRUE(app->Frame()->CoordinatePane()->text().isEmpty());
}

}  // namespace
