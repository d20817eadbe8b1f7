#include "app/command_icons.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <unordered_map>

#include "resources/command_ids.h"

namespace {

constexpr int kSize = 32;
const QColor kInk(40, 40, 48);
const QColor kPaper(250, 250, 245);
const QColor kAccent(40, 110, 190);

using Drawing = std::function<void(QPainter&)>;

QIcon Painted(const Drawing& draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(p);
    return QIcon(pixmap);
}

void Page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 6, r.top()), QPointF(r.right() - 6, r.top() + 6));
    p.drawLine(QPointF(r.right() - 6, r.top() + 6), QPointF(r.right(), r.top() + 6));
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    p.drawLine(to, to - d * 4 + n * 3);
    p.drawLine(to, to - d * 4 - n * 3);
}

// our own drawings of the standard actions
const std::unordered_map<int, Drawing>& Drawings() {
    static const std::unordered_map<int, Drawing> drawings = {
        {ID_FILE_NEW, [](QPainter& p) { Page(p, QRectF(7, 3, 18, 26)); }},
        {ID_FILE_OPEN,
         [](QPainter& p) {
             p.setBrush(QColor(235, 200, 110));
             p.drawRect(QRectF(3, 8, 24, 19));
             p.setBrush(QColor(250, 220, 140));
             QPolygonF flap({QPointF(3, 27), QPointF(8, 14), QPointF(30, 14), QPointF(27, 27)});
             p.drawPolygon(flap);
         }},
        {ID_FILE_SAVE,
         [](QPainter& p) {
             p.setBrush(kAccent);
             p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(9, 4, 14, 9));
             p.drawRect(QRectF(8, 18, 16, 10));
         }},
        {ID_EDIT_CUT,
         [](QPainter& p) {
             p.drawEllipse(QPointF(10, 24), 4, 4);
             p.drawEllipse(QPointF(22, 24), 4, 4);
             p.drawLine(QPointF(12, 21), QPointF(22, 4));
             p.drawLine(QPointF(20, 21), QPointF(10, 4));
         }},
        {ID_EDIT_COPY,
         [](QPainter& p) {
             Page(p, QRectF(4, 3, 15, 20));
             Page(p, QRectF(13, 9, 15, 20));
         }},
        {ID_EDIT_PASTE,
         [](QPainter& p) {
             p.setBrush(QColor(200, 150, 90));
             p.drawRoundedRect(QRectF(5, 5, 20, 24), 2, 2);
             p.setBrush(QColor(180, 180, 180));
             p.drawRect(QRectF(10, 3, 10, 5));
             Page(p, QRectF(14, 12, 14, 17));
         }},
        {ID_EDIT_UNDO,
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(6, 8, 20, 18), 0, 180 * 16);
             Arrow(p, QPointF(6, 16), QPointF(6, 26));
         }},
        {ID_EDIT_REDO,
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(6, 8, 20, 18), 0, 180 * 16);
             Arrow(p, QPointF(26, 16), QPointF(26, 26));
         }},
        {ID_TOOL_MOVE,
         [](QPainter& p) {
             Arrow(p, QPointF(16, 16), QPointF(16, 3));
             Arrow(p, QPointF(16, 16), QPointF(16, 29));
             Arrow(p, QPointF(16, 16), QPointF(3, 16));
             Arrow(p, QPointF(16, 16), QPointF(29, 16));
         }},
        {ID_TOOL_RESIZE,
         [](QPainter& p) {
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(4, 12, 16, 16));
             Arrow(p, QPointF(14, 18), QPointF(28, 4));
         }},
        {ID_FILE_PRINT,
         [](QPainter& p) {
             Page(p, QRectF(9, 3, 14, 11));
             p.setBrush(QColor(170, 170, 175));
             p.drawRoundedRect(QRectF(3, 13, 26, 11), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(9, 20, 14, 9));
         }},
        {ID_RUN_POVRAY,
         [](QPainter& p) {
             p.setBrush(QColor(60, 160, 80));
             p.drawPolygon(QPolygonF({QPointF(8, 4), QPointF(27, 16), QPointF(8, 28)}));
         }},
        {ID_SHOW_IMAGE,
         [](QPainter& p) {
             p.setBrush(QColor(150, 200, 240));
             p.drawRect(QRectF(3, 6, 26, 20));
             p.setBrush(QColor(70, 150, 70));
             p.drawPolygon(QPolygonF({QPointF(3, 26), QPointF(12, 15), QPointF(19, 22),
                                      QPointF(23, 18), QPointF(29, 26)}));
             p.setBrush(QColor(250, 210, 60));
             p.drawEllipse(QPointF(22, 11), 2.5, 2.5);
         }},
        {ID_APP_ABOUT,
         [](QPainter& p) {
             p.setBrush(kAccent);
             p.drawEllipse(QRectF(3, 3, 26, 26));
             p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
             p.drawPoint(QPointF(16, 9.5));
             p.drawLine(QPointF(16, 14), QPointF(16, 23));
         }},
        // the solid view draws no height field without its image: a hand-drawn landscape
        {ID_CREATE_HEIGHTFIELD,
         [](QPainter& p) {
             p.setBrush(QColor(150, 110, 70));
             p.drawPolygon(QPolygonF({QPointF(2, 26), QPointF(8, 14), QPointF(13, 19),
                                      QPointF(20, 7), QPointF(30, 22), QPointF(30, 26)}));
             p.setBrush(QColor(90, 150, 80));
             p.drawPolygon(QPolygonF({QPointF(2, 26), QPointF(10, 21), QPointF(18, 23),
                                      QPointF(30, 20), QPointF(30, 29), QPointF(2, 29)}));
         }},
        {ID_CONTEXT_HELP,
         [](QPainter& p) {
             QPolygonF pointer({QPointF(4, 3), QPointF(4, 22), QPointF(9, 17), QPointF(13, 25),
                                QPointF(16, 24), QPointF(12, 16), QPointF(18, 16)});
             p.setBrush(Qt::white);
             p.drawPolygon(pointer);
             QFont font = p.font();
             font.setBold(true);
             font.setPixelSize(16);
             p.setFont(font);
             p.setPen(kAccent);
             p.drawText(QRectF(17, 2, 14, 20), Qt::AlignCenter, "?");
         }},
    };
    return drawings;
}

// names of the desktop's icon theme (freedesktop icon naming)
const char* ThemeName(int id) {
    switch (id) {
        case ID_FILE_NEW:
            return "document-new";
        case ID_FILE_OPEN:
            return "document-open";
        case ID_FILE_SAVE:
            return "document-save";
        case ID_FILE_SAVE_AS:
            return "document-save-as";
        case ID_FILE_PRINT:
            return "document-print";
        case ID_FILE_CLOSE:
            return "document-close";
        case ID_APP_EXIT:
            return "application-exit";
        case ID_EDIT_UNDO:
            return "edit-undo";
        case ID_EDIT_REDO:
            return "edit-redo";
        case ID_EDIT_CUT:
            return "edit-cut";
        case ID_EDIT_COPY:
            return "edit-copy";
        case ID_EDIT_PASTE:
            return "edit-paste";
        case ID_GO_TO:
            return "edit-find";
        case ID_PROPERTIES:
            return "document-properties";
        case ID_RUN_POVRAY:
            return "media-playback-start";
        case ID_APP_ABOUT:
            return "help-about";
        case ID_HELP_INDEX:
            return "help-contents";
        case ID_APP_SETTINGS:
        case ID_DOC_SETTINGS:
            return "preferences-system";
        default:
            return nullptr;
    }
}

// the pictures of the primitives, rendered by the program's solid view when it is built
const char* PrimitivePicture(int id) {
    switch (id) {
        case ID_CREATE_SPHERE:
            return ":/icons/sphere.png";
        case ID_CREATE_BOX:
            return ":/icons/box.png";
        case ID_CREATE_CONE:
            return ":/icons/cone.png";
        case ID_CREATE_TORUS:
            return ":/icons/torus.png";
        case ID_CREATE_CYLINDER:
            return ":/icons/cylinder.png";
        default:
            return nullptr;
    }
}

// The middle square of a 4:3 rendering, its black background made transparent (the camera
// view draws no background without a background object), scaled down smoothly.
QIcon SquareIcon(const QString& path) {
    const QImage picture(path);
    if (picture.isNull())
        return {};
    const int side = std::min(picture.width(), picture.height());
    QImage square =
        picture.copy((picture.width() - side) / 2, (picture.height() - side) / 2, side, side)
            .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < square.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(square.scanLine(y));
        for (int x = 0; x < square.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0)
                line[x] = 0;
    }
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(
            square.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return icon;
}

}  // namespace

QIcon IconForCommand(int id) {
    static std::unordered_map<int, QIcon> cache;
    if (auto it = cache.find(id); it != cache.end())
        return it->second;
    QIcon icon;
    if (const char* picture = PrimitivePicture(id)) {
        icon = SquareIcon(picture);
    } else {
        QIcon fallback;
        if (auto it = Drawings().find(id); it != Drawings().end())
            fallback = Painted(it->second);
        const char* name = ThemeName(id);
        icon = name ? QIcon::fromTheme(name, fallback) : fallback;
    }
    cache.emplace(id, icon);
    return icon;
}

QIcon ApplicationIcon() {
    static const QIcon icon(":/icons/orvanta.png");
    return icon;
}
