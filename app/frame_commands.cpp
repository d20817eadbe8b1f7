// The main frame's own commands: showing the bars, arranging the windows, printing, the object
// browser, help, the about box and the language choice.
#include <QDesktopServices>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>

#include "app/about_dialog.h"
#include "app/child_frame.h"
#include "app/help_window.h"
#include "app/logic/language.h"
#include "app/main_frame.h"
#include "app/object_browser_dialog.h"
#include "app/orvanta_app.h"
#include "app/print_view.h"
#include "app/settings_dialogs.h"
#include "props/pov_reference.h"
#include "resources/command_ids.h"
#include "resources/ui_text.h"
#include "view/qt/widgets/view_widget.h"

namespace {

// The language commands store the choice; the running program keeps its language.
void ChooseLanguageAndTell(QWidget* parent, UiLanguage language) {
    ChooseLanguage(language);
    QMessageBox box(QMessageBox::Information, QString(),
                    QString::fromStdString(TrId(IDS_RESTART_NEEDED)), QMessageBox::Ok, parent);
    box.setObjectName("restartMessage");
    box.exec();
}

}  // namespace

std::optional<CommandState> CMainFrame::FrameCommandState(int id) const {
    const bool document = app_.Document() != nullptr;
    switch (id) {
        case ID_VIEW_TOOLBAR:
            return CommandState{true, mainBar_ && !mainBar_->isHidden()};
        case ID_VIEW_STATUS_BAR:
            return CommandState{true, !statusBar()->isHidden()};
        case ID_VIEW_STANDARD_OBJECTS:
            return CommandState{true, IsStandardBarVisible()};
        case ID_LANGUAGE_GERMAN:
            return CommandState{true, !EnglishResources()};
        case ID_LANGUAGE_ENGLISH:
            return CommandState{true, EnglishResources()};
        case ID_FILE_PRINT:
            return CommandState{document && ActiveViewWidget() != nullptr, false};
        case ID_NEXT_PANE:
        case ID_PREV_PANE:
            return CommandState{document, false};
        case ID_POVRAY_REFERENCE:
            // the online reference stands in when the local one is not installed
            return CommandState{true, false};
        case ID_DOC_SETTINGS:
            return CommandState{document, false};
        case ID_APP_SETTINGS:
            return CommandState{true, false};
        default:
            return std::nullopt;
    }
}

bool CMainFrame::RunFrameCommand(int id) {
    switch (id) {
        case ID_VIEW_TOOLBAR:
            mainBar_->setVisible(mainBar_->isHidden());
            return true;
        case ID_VIEW_STATUS_BAR:
            statusBar()->setVisible(statusBar()->isHidden());
            return true;
        case ID_VIEW_STANDARD_OBJECTS:
            ShowStandardBar(!IsStandardBarVisible());
            return true;
        case ID_WINDOW_CASCADE:
            CascadeViews();
            return true;
        case ID_WINDOW_TILE_HORZ:
            TileViews();
            return true;
        case ID_WINDOW_ARRANGE: {
            // the minimised views in a row along the bottom edge
            int left = 0;
            for (COrvantaMDIChildWnd* frame : frames_) {
                if (!frame->isMinimized())
                    continue;
                const QSize size = frame->size();
                frame->move(left, mdi_->viewport()->height() - size.height());
                left += size.width();
            }
            return true;
        }
        case ID_NEXT_PANE:
            mdi_->activateNextSubWindow();
            return true;
        case ID_PREV_PANE:
            mdi_->activatePreviousSubWindow();
            return true;
        case ID_FILE_PRINT:
            if (ViewWidget* view = ActiveViewWidget())
                PrintViewWithDialog(*view, this);
            return true;
        case ID_LANGUAGE_GERMAN:
            ChooseLanguageAndTell(this, UiLanguage::German);
            return true;
        case ID_LANGUAGE_ENGLISH:
            ChooseLanguageAndTell(this, UiLanguage::English);
            return true;
        case ID_APP_ABOUT:
            ShowAboutBox(this);
            return true;
        case ID_DOC_SETTINGS:
            if (COrvantaDoc* doc = app_.Document())
                RunDocumentSettings(this, *doc);
            return true;
        case ID_APP_SETTINGS:
            RunProgramSettings(this, app_.Document());
            return true;
        case ID_HELP_INDEX:
        case ID_HELP:
            ShowManual(this, ManualPage::Contents);
            return true;
        case ID_HELP_USING:
            ShowManual(this, ManualPage::UsingHelp);
            return true;
        case ID_CONTEXT_HELP:
            QWhatsThis::enterWhatsThisMode();
            return true;
        case ID_POVRAY_REFERENCE:
            QDesktopServices::openUrl(QUrl(QString::fromStdString(PovRayReferenceUrl(""))));
            return true;
        default:
            return false;
    }
}

void CMainFrame::OpenObjectBrowser(bool goToMode) {
    COrvantaDoc* doc = app_.Document();
    ViewWidget* view = ActiveViewWidget();
    if (!doc || !view)
        return;
    ObjectBrowserDialog dialog(*doc, *view, goToMode, this);
    dialog.exec();
    UpdateStatusPanes();
}
