// The main window: the menus, the MDI area with the views of the open document, and the status
// bar with the message pane and the selection, position and coordinate panes.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>
#include <map>
#include <vector>

#include "app/menu_layout.h"
#include "view/frame_link.h"

class COrvantaApp;
class COrvantaMDIChildWnd;
class QMenu;
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
    QAction* Action(int id) const;
    QMenu* ContextMenu() const { return contextMenu_; }
    QMdiArea* MdiArea() const { return mdi_; }
    QLabel* SelectionPane() const { return selectionPane_; }
    QLabel* PositionPane() const { return positionPane_; }
    QLabel* CoordinatePane() const { return coordinatePane_; }

    // IFrameLink
    std::string& CoordinateText() override { return coordinateText_; }
    void ResetToolBarRepaints() override {}
    bool HasStandardBar() const override { return false; }
    bool IsStandardBarVisible() const override { return false; }
    void ShowStandardBar(bool) override {}

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void AddEntries(QMenu* menu, const std::vector<MenuEntry>& entries);
    QAction* MakeAction(const MenuEntry& entry, QObject* parent);
    void FillRecentFiles(QMenu* menu);
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnFrameClosing(COrvantaMDIChildWnd* frame);

    COrvantaApp& app_;
    QMdiArea* mdi_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    std::map<int, QAction*> actions_;
    std::vector<QAction*> contextActions_;
    std::vector<COrvantaMDIChildWnd*> frames_;
    QLabel* selectionPane_ = nullptr;
    QLabel* positionPane_ = nullptr;
    QLabel* coordinatePane_ = nullptr;
    QTimer idleTimer_;
    std::string coordinateText_;
};
