// orvanta_picture_sheet OUT.png COLUMNS LABEL PICTURE [LABEL PICTURE ...]: puts pictures side by
// side, COLUMNS to a row, each with its label above it, into one PNG (a sheet to look at, e.g.
// the modeller's camera view of an imported scene next to POV-Ray's render of the original).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    // pictures and text need no screen
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5 || (args.size() - 3) % 2 != 0 || args[2].toInt() <= 0) {
        std::fprintf(stderr, "usage: orvanta_picture_sheet OUT.png COLUMNS LABEL PICTURE ...\n");
        return 2;
    }
    const int columns = args[2].toInt();
    struct Cell {
        QString label;
        QImage picture;
    };
    std::vector<Cell> cells;
    int cellWidth = 0, cellHeight = 0;
    for (int i = 3; i + 1 < args.size(); i += 2) {
        QImage picture(args[i + 1]);
        if (picture.isNull()) {
            // a missing picture is a grey field, so that the sheet keeps its order
            picture = QImage(160, 120, QImage::Format_RGB32);
            picture.fill(Qt::gray);
        }
        cellWidth = std::max(cellWidth, picture.width());
        cellHeight = std::max(cellHeight, picture.height());
        cells.push_back({args[i], picture});
    }
    constexpr int kLabel = 18, kGap = 6;
    const int rows = (static_cast<int>(cells.size()) + columns - 1) / columns;
    QImage sheet(columns * (cellWidth + kGap) + kGap, rows * (cellHeight + kLabel + kGap) + kGap,
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (size_t i = 0; i < cells.size(); ++i) {
        const int x = kGap + static_cast<int>(i) % columns * (cellWidth + kGap);
        const int y = kGap + static_cast<int>(i) / columns * (cellHeight + kLabel + kGap);
        painter.setPen(Qt::black);
        painter.drawText(QRect(x, y, cellWidth, kLabel), Qt::AlignLeft | Qt::AlignVCenter,
                         cells[i].label);
        painter.drawImage(x, y + kLabel, cells[i].picture);
    }
    painter.end();
    if (!sheet.save(args[1])) {
        std::fprintf(stderr, "%s could not be written\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
