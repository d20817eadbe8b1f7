#include "app/child_frame.h"

#include "app/command_icons.h"

#include <QCloseEvent>

#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "view/orvanta_view.h"
#include "view/qt/widgets/view_widget.h"

COrvantaMDIChildWnd::COrvantaMDIChildWnd(COrvantaDoc& document, QWidget* parent)
    : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ApplicationIcon());
    ViewKind = NextViewKind;
    view_ = new ViewWidget(document, this);
    setWidget(view_);
}

COrvantaMDIChildWnd::~COrvantaMDIChildWnd() = default;

void COrvantaMDIChildWnd::UpdateTitle(const QString& documentTitle, int windowNumber) {
    const QString kind = QString::fromStdString(TrId(IDS_VIEW_TOP + ViewKind));
    if (windowNumber >= 1)
        setWindowTitle(QStringLiteral("%1:%2 %3").arg(documentTitle).arg(windowNumber).arg(kind));
    else
        setWindowTitle(documentTitle + " " + kind);
}

void COrvantaMDIChildWnd::closeEvent(QCloseEvent* event) {
    emit closing(this);
    QMdiSubWindow::closeEvent(event);
}
