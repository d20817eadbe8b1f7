#include "app/print_view.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "view/qt/widgets/view_widget.h"

namespace {

// what the view shows now (the camera view shows its last finished picture)
QImage ViewPicture(ViewWidget& view) {
    return view.Canvas()->grab().toImage();
}

QString ViewTitle(const ViewWidget& view) {
    for (QWidget* w = view.parentWidget(); w; w = w->parentWidget())
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w))
            return frame->windowTitle();
    return {};
}

}  // namespace

bool PrintView(ViewWidget& view, QPrinter& printer) {
    const QImage picture = ViewPicture(view);
    if (picture.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const QString title = ViewTitle(view);
    const int titleHeight = painter.fontMetrics().height() * 2;
    painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    QRect area(page.left(), page.top() + titleHeight, page.width(), page.height() - titleHeight);
    const QSize fitted = picture.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.left() + (area.width() - fitted.width()) / 2, area.top(),
                       fitted.width(), fitted.height());
    painter.drawImage(target, picture);
    painter.setPen(Qt::gray);
    painter.drawRect(target);
    return painter.end();
}

bool PrintViewWithDialog(ViewWidget& view, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ViewTitle(view));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("printDialog");
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintView(view, printer);
}
