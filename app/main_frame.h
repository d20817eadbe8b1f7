// The main window: the menus, the two tool bars (the main bar and "Standard Objekte"), the MDI
// area with the views of the open document, and the status bar with the message pane and the
// selection, position and coordinate panes.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "app/menu_layout.h"
#include "view/frame_link.h"
#include "view/orvanta_view.h"

class COrvantaApp;
class COrvantaMDIChildWnd;
class QMenu;
class QToolBar;
class ViewWidget;

class CMainFrame : public QMainWindow, public IFrameLink {
    Q_OBJECT

  public:
    explicit CMainFrame(COrvantaApp& app);
    ~CMainFrame() override;

    // Opens a view of the given kind on the open document in a new child frame.
    COrvantaMDIChildWnd* OpenView(int viewKind);
    // Closes every view (the document is about to go).
    void CloseAllViews();
    // the child frames in the order they were opened
    const std::vector<COrvantaMDIChildWnd*>& ChildFrames() const { return frames_; }
    // the view of the active child frame, or nullptr
    ViewWidget* ActiveViewWidget() const;
    // Arranges the views side by side.
    void TileViews();
    // Arranges the views overlapping, each title bar showing, all of a useful size.
    void CascadeViews();
    // The mouse position pane goes blank (the document closed).
    void ClearCoordinatePane();
    // Puts the world origin near the middle of every top, front and side view.
    void CentreOrthographicViews();
    // Titles of the child frames from the document's title.
    void UpdateTitles();

    // The menu bar for the current state (with or without a document).
    void RebuildMenus();
    // Enable and check states of every command, from the active view and the document.
    void UpdateCommandStates();
    // The undo and redo entries: enabled with the history, named after its next steps.
    void UpdateUndoRedo();
    // The three panes after the message pane, as on every idle moment.
    void UpdateStatusPanes();
    // Runs a command as the menus and shortcuts do.
    void RunCommand(int id);
    // The action of a command (menus, tool bars and shortcuts share it); nullptr when neither
    // the menus nor the bars show the command now.
    QAction* Action(int id) const;
    QMenu* ContextMenu() const { return contextMenu_; }
    QToolBar* MainToolBar() const { return mainBar_; }
    QToolBar* StandardObjectsToolBar() const { return standardBar_; }
    // the modal object browser on the active view (go-to mode: the go-to dialog)
    void OpenObjectBrowser(bool goToMode);
    QMdiArea* MdiArea() const { return mdi_; }
    QLabel* SelectionPane() const { return selectionPane_; }
    QLabel* PositionPane() const { return positionPane_; }
    QLabel* CoordinatePane() const { return coordinatePane_; }

    // IFrameLink
    std::string& CoordinateText() override { return coordinateText_; }
    // Qt repaints the tool bars itself: nothing to count
    void ResetToolBarRepaints() override {}
    bool HasStandardBar() const override { return standardBar_ != nullptr; }
    bool IsStandardBarVisible() const override;
    void ShowStandardBar(bool visible) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    // the shared action of a command, made on first use
    QAction* ActionFor(const MenuEntry& entry);
    void CreateToolBars();
    QToolBar* MakeToolBar(const char* title, const char* objectName, const std::vector<int>& ids);
    // the frame's own commands (window, help, language, printing); false for others
    bool RunFrameCommand(int id);
    std::optional<CommandState> FrameCommandState(int id) const;
    void FillRecentFiles(QMenu* menu);
    // the "&Fenster" menu's list of the open views after `start`
    void FillWindowList(QMenu* menu, QAction* start);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnFrameClosing(COrvantaMDIChildWnd* frame);

    COrvantaApp& app_;
    QMdiArea* mdi_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    std::map<int, QAction*> actions_;
    std::vector<QAction*> recentActions_;
    // the commands the tool bars and the hidden shortcuts show, and those the menus add
    std::set<int> barIds_;
    std::set<int> shownIds_;
    std::vector<QAction*> contextActions_;
    QToolBar* mainBar_ = nullptr;
    QToolBar* standardBar_ = nullptr;
    std::vector<COrvantaMDIChildWnd*> frames_;
    QLabel* selectionPane_ = nullptr;
    QLabel* positionPane_ = nullptr;
    QLabel* coordinatePane_ = nullptr;
    QTimer idleTimer_;
    std::string coordinateText_;
};
