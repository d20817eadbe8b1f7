#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>

#include "app/cascade_layout.h"
#include "app/child_frame.h"
#include "app/command_icons.h"
#include "app/help_window.h"
#include "app/logic/command_help.h"
#include "app/orvanta_app.h"
#include "app/render_controller.h"
#include "app/settings_dialogs.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/pov_object.h"
#include "props/qt/sheet_dialog.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "view/orvanta_view.h"
#include "view/qt/widgets/view_widget.h"
#include "view/status_panes.h"

namespace {

QString Utf8(const std::string& cp1252) {
    return QString::fromStdString(orv::Cp1252ToUtf8(cp1252));
}

// a German text of the user interface in the chosen language
QString UiText(const char* german) {
    return QString::fromUtf8(Tr(german));
}

bool IsViewCommand(int id) {
    switch (id) {
        case ID_VIEW_ZOOM_1:
        case ID_VIEW_ZOOM_10:
        case ID_VIEW_ZOOM_100:
        case ID_VIEW_ZOOM_USER:
        case ID_VIEW_GRID_NONE:
        case ID_VIEW_GRID_0_1:
        case ID_VIEW_GRID_0_5:
        case ID_VIEW_GRID_1_0:
        case ID_VIEW_GRID_5_0:
        case ID_VIEW_GRID_10_0:
        case ID_EDIT_UNDO:
        case ID_EDIT_REDO:
        case ID_EDIT_CUT:
        case ID_EDIT_COPY:
        case ID_EDIT_PASTE:
        case ID_TOOL_MOVE:
        case ID_TOOL_RESIZE:
        case ID_SELECT_NEXT_CSG_LEVEL:
        case ID_SELECT_TOP_CSG_LEVEL:
        case ID_LOAD_FROM_FILE:
        case ID_OBJECT_BROWSER:
        case ID_GO_TO:
        case ID_PROPERTIES:
        case ID_VIEW_ZOOM_FIT:
        case ID_VIEW_SNAP_TO_GRID:
        case ID_EDIT_DELETE:
        case ID_EDIT_DESELECT:
            return true;
        default:
            return CreateKindForCommand(id).has_value() && id != ID_CREATE_CAMERA;
    }
}

}  // namespace

CMainFrame::CMainFrame(COrvantaApp& app) : app_(app) {
    setWindowTitle(QString::fromStdString(TrId(IDS_APP_TITLE)));
    setWindowIcon(ApplicationIcon());
    setAcceptDrops(true);
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    // the status bar: the message pane, then the selection, position and coordinate panes
    selectionPane_ = new QLabel(this);
    positionPane_ = new QLabel(this);
    coordinatePane_ = new QLabel(this);
    const QFontMetrics metrics(font());
    selectionPane_->setMinimumWidth(metrics.horizontalAdvance("SELECTEDOBJECTNAMEXXX"));
    positionPane_->setMinimumWidth(metrics.horizontalAdvance("x: 00.0000 y: 00.0000 z:00.0000"));
    coordinatePane_->setMinimumWidth(metrics.horizontalAdvance("x: 0000.00  y: 0000.00"));
    for (QLabel* pane : {selectionPane_, positionPane_, coordinatePane_}) {
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(pane);
    }

    contextMenu_ = new QMenu(this);
    for (const MenuEntry& e : ViewContextMenuEntries()) {
        if (e.kind == MenuEntry::Kind::Separator) {
            contextMenu_->addSeparator();
            continue;
        }
        QAction* action = contextMenu_->addAction(UiText(e.text));
        action->setStatusTip(UiText(HelpForCommand(e.id).status));
        action->setData(e.id);
        connect(action, &QAction::triggered, this, [this, id = e.id] { RunCommand(id); });
        contextActions_.push_back(action);
    }
    connect(contextMenu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    CreateToolBars();
    RegisterMultiLineField();
    // "Hilfe" of the sheets opens the manual
    SetProgramHelpHandler([this](const std::string& topic) {
        // over the sheet that asked, which blocks the other windows while it is open
        QWidget* modal = QApplication::activeModalWidget();
        ShowManual(modal ? modal : this, ManualPage::Contents, topic);
    });
    // shortcuts without a menu entry
    for (const MenuEntry& e : HiddenAccelerators()) {
        addAction(ActionFor(e));
        barIds_.insert(e.id);
    }
    RebuildMenus();
    SetFrameLink(this);

    // the idle update of the status panes
    idleTimer_.setInterval(100);
    connect(&idleTimer_, &QTimer::timeout, this, &CMainFrame::UpdateStatusPanes);
    // the tool-bar buttons follow the enable and check states as the menus do
    connect(&idleTimer_, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    idleTimer_.start();
}

CMainFrame::~CMainFrame() {
    idleTimer_.stop();
    SetProgramHelpHandler(nullptr);
    SetFrameLink(nullptr);
}

// ---------------------------------------------------------------------------------------------
// menus and commands

QAction* CMainFrame::ActionFor(const MenuEntry& entry) {
    if (QAction* existing = Action(entry.id))
        return existing;
    auto* action = new QAction(UiText(entry.text), this);
    QList<QKeySequence> keys;
    for (const char* k : entry.shortcuts)
        keys << QKeySequence(QString::fromLatin1(k));
    if (!keys.isEmpty()) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    action->setCheckable(entry.checkable);
    action->setData(entry.id);
    const CommandHelp help = HelpForCommand(entry.id);
    action->setStatusTip(UiText(help.status));
    action->setToolTip(*help.toolTip ? UiText(help.toolTip) : action->text().remove('&'));
    action->setWhatsThis(UiText(help.status));
    action->setIcon(IconForCommand(entry.id));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id = entry.id] { RunCommand(id); });
    actions_[entry.id] = action;
    return action;
}

void CMainFrame::AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& e : entries) {
        switch (e.kind) {
            case MenuEntry::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuEntry::Kind::SubMenu: {
                QMenu* sub = menu->addMenu(UiText(e.text));
                connect(sub, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
                AddEntries(sub, e.children);
                break;
            }
            case MenuEntry::Kind::RecentFiles:
                FillRecentFiles(menu);
                break;
            case MenuEntry::Kind::WindowList: {
                // filled anew whenever the menu opens, after the entries before it
                QAction* start = menu->addSeparator();
                connect(menu, &QMenu::aboutToShow, this,
                        [this, menu, start] { FillWindowList(menu, start); });
                break;
            }
            case MenuEntry::Kind::Command:
                menu->addAction(ActionFor(e));
                shownIds_.insert(e.id);
                break;
        }
    }
}

void CMainFrame::FillRecentFiles(QMenu* menu) {
    const QStringList files = app_.RecentFiles();
    for (int i = 0; i < files.size() && i < 4; ++i) {
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]);
        QAction* action = menu->addAction(text);
        action->setStatusTip(files[i]);
        connect(action, &QAction::triggered, this,
                [this, id = ID_FILE_MRU_FIRST + i] { RunCommand(id); });
        recentActions_.push_back(action);
    }
}

void CMainFrame::FillWindowList(QMenu* menu, QAction* start) {
    const QList<QAction*> all = menu->actions();
    for (qsizetype i = all.indexOf(start) + 1; i >= 1 && i < all.size(); ++i) {
        menu->removeAction(all[i]);
        all[i]->deleteLater();
    }
    start->setVisible(!frames_.empty());
    QMdiSubWindow* active = mdi_->activeSubWindow();
    for (size_t i = 0; i < frames_.size(); ++i) {
        COrvantaMDIChildWnd* frame = frames_[i];
        const QString number = i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QString();
        QAction* action = menu->addAction(number + frame->windowTitle());
        action->setCheckable(true);
        action->setChecked(frame == active);
        connect(action, &QAction::triggered, this, [this, frame] {
            if (std::find(frames_.begin(), frames_.end(), frame) != frames_.end()) {
                frame->showNormal();
                mdi_->setActiveSubWindow(frame);
            }
        });
    }
}

void CMainFrame::RebuildMenus() {
    // the menus go, the shared actions stay (the tool bars show them too)
    const QList<QMenu*> oldMenus =
        menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
    menuBar()->clear();
    for (QMenu* menu : oldMenus)
        menu->deleteLater();
    recentActions_.clear();
    shownIds_ = barIds_;
    const auto& bar = app_.Document() ? DocumentMenuBar() : EmptyMenuBar();
    for (const MenuEntry& top : bar) {
        QMenu* menu = menuBar()->addMenu(UiText(top.text));
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        AddEntries(menu, top.children);
    }
    UpdateCommandStates();
}

QAction* CMainFrame::Action(int id) const {
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        const size_t index = static_cast<size_t>(id - ID_FILE_MRU_FIRST);
        return index < recentActions_.size() ? recentActions_[index] : nullptr;
    }
    if (!shownIds_.count(id))
        return nullptr;
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::UpdateCommandStates() {
    COrvantaDoc* doc = app_.Document();
    ViewWidget* active = ActiveViewWidget();
    auto stateOf = [&](int id) -> CommandState {
        if (const auto frameState = FrameCommandState(id))
            return *frameState;
        CommandState state;
        switch (id) {
            case ID_FILE_CLOSE:
            case ID_FILE_SAVE:
            case ID_FILE_SAVE_AS:
                state.enabled = doc != nullptr;
                return state;
            case ID_EDIT_SAVE_OBJECT:
                state.enabled = doc && doc->CurrentObject && doc->CurrentObject->IsPresent();
                return state;
            case ID_WINDOW_NEW_FRONT:
            case ID_WINDOW_NEW_SIDE:
            case ID_WINDOW_NEW_TOP:
            case ID_WINDOW_NEW_CAMERA:
            case ID_WINDOW_CASCADE:
            case ID_WINDOW_TILE_HORZ:
            case ID_WINDOW_ARRANGE:
                state.enabled = doc != nullptr;
                return state;
            case ID_RUN_POVRAY:
            case ID_SHOW_IMAGE:
                state.enabled = doc != nullptr;
                return state;
            case ID_STOP_RENDER:
                state.enabled = app_.Render().IsRendering();
                return state;
            case ID_POVRAY_SETTINGS:
            case ID_VIEWER_SETTINGS:
                return state;
                state.enabled = false;
                return state;
            default:
                break;
        }
        if (const auto kind = CreateKindForCommand(id)) {
            state.enabled = doc && doc->CanCreate(*kind);
            if (state.enabled && id != ID_CREATE_CAMERA && active)
                state.enabled = active->View().GetCommandState(id).enabled;
            return state;
        }
        if (IsViewCommand(id)) {
            if (!active) {
                state.enabled = false;
                return state;
            }
            return active->View().GetCommandState(id);
        }
        return state;
    };
    for (auto& [id, action] : actions_) {
        const CommandState s = stateOf(id);
        action->setEnabled(s.enabled);
        if (action->isCheckable())
            action->setChecked(s.checked);
    }
    for (QAction* action : contextActions_) {
        const CommandState s = stateOf(action->data().toInt());
        action->setEnabled(s.enabled);
    }
    UpdateUndoRedo();
}

void CMainFrame::UpdateUndoRedo() {
    const COrvantaDoc* doc = app_.Document();
    for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) {
        QAction* action = Action(id);
        if (!action)
            continue;
        const bool undo = id == ID_EDIT_UNDO;
        const bool can = doc && (undo ? doc->History().CanUndo() : doc->History().CanRedo());
        const std::string label = !can   ? std::string()
                                  : undo ? doc->History().UndoLabel()
                                         : doc->History().RedoLabel();
        action->setEnabled(can);
        action->setText(QString::fromStdString(UndoRedoMenuText(id, label)));
    }
}

void CMainFrame::RunCommand(int id) {
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        const QStringList files = app_.RecentFiles();
        const int index = id - ID_FILE_MRU_FIRST;
        if (index < files.size())
            app_.OpenDocument(files[index]);
        return;
    }
    if (RunFrameCommand(id)) {
        UpdateCommandStates();
        return;
    }
    switch (id) {
        case ID_FILE_NEW:
            app_.NewDocument();
            return;
        case ID_FILE_OPEN:
            app_.OnFileOpen();
            return;
        case ID_FILE_IMPORT:
            app_.OnFileImport();
            return;
        case ID_FILE_CLOSE:
            app_.CloseDocument();
            return;
        case ID_FILE_SAVE:
            app_.SaveDocument();
            return;
        case ID_FILE_SAVE_AS:
            app_.OnFileSaveAs();
            return;
        case ID_APP_EXIT:
            close();
            return;
        case ID_EDIT_SAVE_OBJECT:
            app_.OnSaveObject();
            return;
        case ID_LOAD_FROM_FILE:
            app_.OnLoadObjects();
            return;
        case ID_RUN_POVRAY:
            app_.Render().Run();
            UpdateCommandStates();
            return;
        case ID_SHOW_IMAGE:
            app_.Render().ShowImage();
            return;
        case ID_STOP_RENDER:
            app_.Render().Stop();
            return;
        case ID_POVRAY_SETTINGS:
            app_.Render().PovRaySettings();
            return;
        case ID_VIEWER_SETTINGS:
            app_.Render().ViewerSettings();
            return;
        case ID_WINDOW_NEW_FRONT:
        case ID_WINDOW_NEW_SIDE:
        case ID_WINDOW_NEW_TOP:
        case ID_WINDOW_NEW_CAMERA:
        case ID_WINDOW_NEW:
            if (!app_.Document())
                return;
            SetNextViewKindForCommand(id);
            OpenView(NextViewKind);
            return;
        default:
            break;
    }
    if (const auto kind = CreateKindForCommand(id)) {
        app_.Create(*kind);
    } else if (id == ID_OBJECT_BROWSER || id == ID_GO_TO) {
        ViewWidget* view = ActiveViewWidget();
        if (view && view->View().GetCommandState(id).enabled)
            OpenObjectBrowser(id == ID_GO_TO);
    } else if (ViewWidget* view = ActiveViewWidget()) {
        view->View().OnCommand(id);
    }
    UpdateCommandStates();
    UpdateStatusPanes();
}

// ---------------------------------------------------------------------------------------------
// views

COrvantaMDIChildWnd* CMainFrame::OpenView(int viewKind) {
    COrvantaDoc* doc = app_.Document();
    if (!doc)
        return nullptr;
    NextViewKind = viewKind;
    auto* frame = new COrvantaMDIChildWnd(*doc);
    frame->GetViewWidget()->SetContextMenu(contextMenu_);
    connect(frame->GetViewWidget(), &ViewWidget::viewChanged, this, [this] {
        UpdateStatusPanes();
        // a drag that ended is a step: Ctrl+Z must find the entry enabled
        UpdateUndoRedo();
    });
    connect(frame, &COrvantaMDIChildWnd::closing, this, &CMainFrame::OnFrameClosing);
    frames_.push_back(frame);
    mdi_->addSubWindow(frame);
    frame->resize(400, 300);
    frame->show();
    UpdateTitles();
    return frame;
}

void CMainFrame::OnFrameClosing(COrvantaMDIChildWnd* frame) {
    frames_.erase(std::remove(frames_.begin(), frames_.end(), frame), frames_.end());
    UpdateTitles();
}

void CMainFrame::CloseAllViews() {
    const std::vector<COrvantaMDIChildWnd*> frames = frames_;
    frames_.clear();
    for (COrvantaMDIChildWnd* frame : frames) {
        mdi_->removeSubWindow(frame);
        delete frame;  // the view goes with its frame, before the document
    }
}

ViewWidget* CMainFrame::ActiveViewWidget() const {
    auto* frame = qobject_cast<COrvantaMDIChildWnd*>(mdi_->activeSubWindow());
    if (!frame && !frames_.empty())
        frame = frames_.front();
    return frame ? frame->GetViewWidget() : nullptr;
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    for (COrvantaMDIChildWnd* frame : frames_)
        frame->GetViewWidget()->View().OnActivate(frame == window);
    UpdateCommandStates();
}

void CMainFrame::CascadeViews() {
    // Qt's own cascade shrinks the views to their smallest size in a corner
    const QRect area = mdi_->viewport()->rect();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
    const std::vector<WindowRect> rects =
        CascadeRects(static_cast<int>(frames_.size()), area.width(), area.height(), step);
    for (size_t i = 0; i < frames_.size(); ++i) {
        frames_[i]->showNormal();
        frames_[i]->setGeometry(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
        frames_[i]->raise();
    }
    if (!frames_.empty())
        mdi_->setActiveSubWindow(frames_.back());
    QCoreApplication::sendPostedEvents();
}

void CMainFrame::ClearCoordinatePane() {
    coordinateText_.clear();
    coordinatePane_->clear();
}

void CMainFrame::TileViews() {
    // a grid in the order the views were opened: the first at the top left
    const int n = static_cast<int>(frames_.size());
    if (n == 0)
        return;
    int columns = 1;
    while (columns * columns < n)
        ++columns;
    const int rows = (n + columns - 1) / columns;
    const QRect area = mdi_->viewport()->rect();
    for (int i = 0; i < n; ++i) {
        const int row = i / columns, column = i % columns;
        const int left = area.width() * column / columns;
        const int right = area.width() * (column + 1) / columns;
        const int top = area.height() * row / rows;
        const int bottom = area.height() * (row + 1) / rows;
        frames_[i]->showNormal();
        frames_[i]->setGeometry(left, top, right - left, bottom - top);
    }
    QCoreApplication::sendPostedEvents();
}

void CMainFrame::CentreOrthographicViews() {
    for (COrvantaMDIChildWnd* frame : frames_) {
        ViewWidget* widget = frame->GetViewWidget();
        COrvantaView& view = widget->View();
        if (view.ViewKind == kCameraView)
            continue;
        const int z = std::max(1, static_cast<int>(view.Zoom));
        const int w = widget->Canvas()->width();
        const int h = widget->Canvas()->height();
        widget->SetPosition(ScrollBar::Vertical, (h / 2) / z);
        widget->SetPosition(ScrollBar::Horizontal, -((w / 2) / z));
        widget->Redraw();
    }
}

void CMainFrame::UpdateTitles() {
    COrvantaDoc* doc = app_.Document();
    const QString title = doc ? Utf8(doc->GetTitle()) : QString();
    const bool numbered = frames_.size() > 1;
    for (size_t i = 0; i < frames_.size(); ++i)
        frames_[i]->UpdateTitle(title, numbered ? static_cast<int>(i) + 1 : 0);
}

// ---------------------------------------------------------------------------------------------
// status bar

void CMainFrame::UpdateStatusPanes() {
    COrvantaDoc* doc = app_.Document();
    const PaneState selection = SelectionPaneState(doc);
    selectionPane_->setEnabled(selection.enabled);
    selectionPane_->setText(Utf8(selection.text));
    const PaneState position = PositionPaneState(doc);
    positionPane_->setText(Utf8(position.text));
    if (const auto text = TakeCoordinatePaneText(coordinateText_))
        coordinatePane_->setText(Utf8(*text));
}

// ---------------------------------------------------------------------------------------------
// window events

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!app_.CloseDocument()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const auto urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) {
            app_.OpenDocument(url.toLocalFile());
            break;
        }
    }
    event->acceptProposedAction();
}
