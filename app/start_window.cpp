#include "app/start_window.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPixmap>

#include "resources/ui_text.h"

StartWindow* StartWindow::Show(QWidget* over) {
    auto* window = new StartWindow(over);
    window->show();
    window->raise();
    return window;
}

StartWindow::StartWindow(QWidget* over)
    : QLabel(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      over_(over) {
    setObjectName("startWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    QPixmap picture(":/images/start_window.png");
    if (!picture.isNull()) {
        QPainter painter(&picture);
        painter.setPen(QColor(30, 40, 80));
        QFont font = painter.font();
        font.setPixelSize(13);
        painter.setFont(font);
        painter.drawText(picture.rect().adjusted(8, 8, -8, -8), Qt::AlignBottom | Qt::AlignRight,
                         QString::fromUtf8(Tr("Version")) + " " + QStringLiteral(ORVANTA_VERSION));
    }
    setPixmap(picture);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    adjustSize();
    if (over)
        move(over->geometry().center() - rect().center());
    qApp->installEventFilter(this);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &StartWindow::Finish);
    timer_.start(kShowMilliseconds);
}

bool StartWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            Finish();
            break;
        default:
            break;
    }
    return QLabel::eventFilter(watched, event);
}

void StartWindow::Finish() {
    qApp->removeEventFilter(this);
    timer_.stop();
    close();
    if (over_)
        over_->update();
}
