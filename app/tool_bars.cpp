// The main frame's two tool bars: the main bar at the top and the "Standard Objekte" bar on the
// left, both movable to any side and floating, with tool tips and status-bar help texts. Their
// buttons are the menus' actions, so enable and check states are shared.
#include <QAction>
#include <QToolBar>

#include "app/logic/tool_bar_layout.h"
#include "app/main_frame.h"
#include "app/menu_layout.h"
#include "resources/ui_text.h"

QToolBar* CMainFrame::MakeToolBar(const char* title, const char* objectName,
                                  const std::vector<int>& ids) {
    auto* bar = new QToolBar(QString::fromUtf8(Tr(title)), this);
    bar->setObjectName(objectName);
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    bar->setMovable(true);
    bar->setFloatable(true);
    bar->setIconSize(QSize(24, 24));
    for (int id : ids) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        MenuEntry entry;
        if (const MenuEntry* known = FindMenuEntry(id))
            entry = *known;
        entry.id = id;
        bar->addAction(ActionFor(entry));
        barIds_.insert(id);
    }
    return bar;
}

void CMainFrame::CreateToolBars() {
    mainBar_ = MakeToolBar("Symbolleiste", "mainToolBar", MainToolBarButtons());
    addToolBar(Qt::TopToolBarArea, mainBar_);
    standardBar_ =
        MakeToolBar("Standard Objekte", "standardObjectsToolBar", StandardObjectsToolBarButtons());
    addToolBar(Qt::LeftToolBarArea, standardBar_);
}

bool CMainFrame::IsStandardBarVisible() const {
    return standardBar_ && !standardBar_->isHidden();
}

void CMainFrame::ShowStandardBar(bool visible) {
    if (standardBar_)
        standardBar_->setVisible(visible);
}
