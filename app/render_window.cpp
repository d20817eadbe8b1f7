#include "app/render_window.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "model/text_format.h"
#include "render/render_commands.h"
#include "resources/ui_text.h"

namespace {

QString T(const char* german) {
    return QString::fromUtf8(Tr(german));
}

// "0:07", "1:02:05"
QString Duration(double seconds) {
    const long s = std::lround(std::max(0.0, seconds));
    if (s >= 3600)
        return QString::asprintf("%ld:%02ld:%02ld", s / 3600, (s / 60) % 60, s % 60);
    return QString::asprintf("%ld:%02ld", s / 60, s % 60);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

RenderPicture::RenderPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RenderPicture::SetSize(int width, int height) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::black);
    shown_.assign(static_cast<size_t>(height), false);
    rowsShown_ = 0;
    update();
}

void RenderPicture::SetRows(const std::vector<std::uint32_t>& pixels, int first, int end) {
    const int w = image_.width();
    if (w == 0 || pixels.size() < static_cast<size_t>(w) * static_cast<size_t>(image_.height()))
        return;
    for (int y = std::max(0, first); y < std::min(end, image_.height()); ++y) {
        std::memcpy(image_.scanLine(y), pixels.data() + static_cast<size_t>(y) * w,
                    static_cast<size_t>(w) * 4);
        if (!shown_[static_cast<size_t>(y)]) {
            shown_[static_cast<size_t>(y)] = true;
            ++rowsShown_;
        }
    }
    update();
}

void RenderPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (image_.isNull())
        return;
    // scaled to fit, never enlarged beyond twice, centred
    const double scale =
        std::min({double(width()) / image_.width(), double(height()) / image_.height(), 2.0});
    const int w = std::max(1, static_cast<int>(image_.width() * scale));
    const int h = std::max(1, static_cast<int>(image_.height() * scale));
    const QRect target((width() - w) / 2, (height() - h) / 2, w, h);
    // a dark checker where no row has arrived yet
    static const QPixmap checker = [] {
        QPixmap tile(16, 16);
        tile.fill(QColor(64, 64, 64));
        QPainter t(&tile);
        t.fillRect(0, 0, 8, 8, QColor(48, 48, 48));
        t.fillRect(8, 8, 8, 8, QColor(48, 48, 48));
        return tile;
    }();
    p.setBrushOrigin(target.topLeft());
    p.fillRect(target, QBrush(checker));
    p.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1.0);
    // row by row runs of rows that are shown
    int y = 0;
    const int rows = image_.height();
    while (y < rows) {
        if (!shown_[static_cast<size_t>(y)]) {
            ++y;
            continue;
        }
        int end = y;
        while (end < rows && shown_[static_cast<size_t>(end)])
            ++end;
        const int top = target.top() + static_cast<int>(std::floor(y * scale));
        const int bottom = target.top() + static_cast<int>(std::ceil(end * scale));
        p.drawImage(QRect(target.left(), top, w, bottom - top), image_,
                    QRect(0, y, image_.width(), end - y));
        y = end;
    }
}

// ---------------------------------------------------------------------------------------------

RenderWindow::RenderWindow(RenderCommands& commands, QWidget* parent)
    : QDockWidget(T("Rendern"), parent), commands_(commands) {
    setObjectName("RenderWindow");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);

    auto* controls = new QHBoxLayout();
    auto* sizeLabel = new QLabel(T("&Bildgröße:"), body);
    size_ = new QComboBox(body);
    for (const RenderPreset& preset : RenderPresets())
        size_->addItem(QString::fromUtf8(Tr(preset.label)));
    sizeLabel->setBuddy(size_);
    ShowChoice();
    render_ = new QPushButton(T("&Rendern"), body);
    stop_ = new QPushButton(T("&Stopp"), body);
    settings_ = new QPushButton(T("&Einstellungen..."), body);
    controls->addWidget(sizeLabel);
    controls->addWidget(size_, 1);
    controls->addWidget(render_);
    controls->addWidget(stop_);
    controls->addWidget(settings_);
    layout->addLayout(controls);

    picture_ = new RenderPicture(body);
    layout->addWidget(picture_, 1);

    progress_ = new QProgressBar(body);
    progress_->setRange(0, 1000);
    progress_->setFormat("%p %");
    status_ = new QLabel(body);
    status_->setWordWrap(true);
    // two lines, always: a changing text does not move the picture
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(progress_);
    layout->addWidget(status_);

    problems_ = new QListWidget(body);
    problems_->setMaximumHeight(110);
    // POV-Ray's messages are long: wrapped, not cut off
    problems_->setWordWrap(true);
    problems_->setToolTip(
        T("Ein Klick auf eine Meldung wählt das Objekt, das die Zeile "
          "geschrieben hat."));
    layout->addWidget(problems_);
    setWidget(body);

    connect(size_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(RenderPresets().size()))
            commands_.SetChoice(RenderPresets()[static_cast<size_t>(index)].choice);
    });
    connect(render_, &QPushButton::clicked, this, &RenderWindow::renderRequested);
    connect(settings_, &QPushButton::clicked, this, &RenderWindow::settingsRequested);
    connect(stop_, &QPushButton::clicked, this, [this] { commands_.Stop(); });
    connect(problems_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit problemChosen(problems_->row(item)); });
    connect(problems_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit problemChosen(problems_->row(item)); });

    RenderSession& session = commands_.Session();
    session.onState = [this, previous = session.onState] {
        if (previous)
            previous();
        OnState();
    };
    session.onRows = [this](RowSpan rows) { OnRows(rows); };
    // POV-Ray reports progress many times a second: the window's clock shows it
    session.onProgress = nullptr;
    clock_.setInterval(250);
    connect(&clock_, &QTimer::timeout, this, &RenderWindow::UpdateTimes);
    OnState();
}

void RenderWindow::OnState() {
    RenderSession& session = commands_.Session();
    const RenderState state = session.State();
    const bool active = session.IsActive();
    stop_->setEnabled(state == RenderState::Running);
    if (state == RenderState::Running &&
        picture_->Image().size() != QSize(session.Width(), session.Height()))
        picture_->SetSize(session.Width(), session.Height());
    if (state == RenderState::Running && session.Elapsed() == 0.0)
        picture_->SetSize(session.Width(), session.Height());
    if (active)
        clock_.start();
    else
        clock_.stop();
    FillProblems();
    UpdateTimes();
    emit stateChanged();
}

void RenderWindow::OnRows(RowSpan rows) {
    RenderSession& session = commands_.Session();
    if (picture_->Image().size() != QSize(session.Width(), session.Height()))
        picture_->SetSize(session.Width(), session.Height());
    picture_->SetRows(session.Pixels(), rows.first, rows.end);
    UpdateTimes();
}

void RenderWindow::ShowPicture(const std::string& file, int width, int height,
                               const std::vector<std::uint32_t>& pixels) {
    picture_->SetSize(width, height);
    picture_->SetRows(pixels, 0, height);
    progress_->setValue(0);
    status_->setText(QString::fromStdString(file));
    problems_->clear();
}

void RenderWindow::ShowChoice() {
    size_->setCurrentIndex(PresetIndex(commands_.Choice()));
}

void RenderWindow::UpdateTimes() {
    RenderSession& session = commands_.Session();
    progress_->setValue(static_cast<int>(std::lround(session.Progress() * 1000)));
    QString text;
    switch (session.State()) {
        case RenderState::Idle:
            text = T("Noch nicht gerendert.");
            break;
        case RenderState::Running: {
            text = T("Verstrichen: %1").arg(Duration(session.Elapsed()));
            const double left = session.Remaining();
            text += "   " + (left >= 0 ? T("noch etwa %1").arg(Duration(left))
                                       : T("Restzeit wird ermittelt..."));
            break;
        }
        case RenderState::Stopping:
            text = T("Wird abgebrochen...");
            break;
        case RenderState::Finished:
            text = T("Fertig nach %1: %2")
                       .arg(Duration(session.Elapsed()),
                            QString::fromStdString(commands_.ImagePath()));
            break;
        case RenderState::Stopped:
            text = T("Abgebrochen nach %1.").arg(Duration(session.Elapsed()));
            break;
        case RenderState::Failed:
            text = QString::fromStdString(session.FailureText());
            break;
    }
    if (status_->text() != text)
        status_->setText(text);
}

void RenderWindow::FillProblems() {
    problems_->clear();
    for (const PovRayMessage& m : commands_.Session().Messages()) {
        QString place, tip;
        if (m.line > 0) {
            // the copy's lines are the scene's as it was when the render started
            const bool inScene =
                commands_.ObjectOf(m) != nullptr || m.file.find("scene.pov") != std::string::npos;
            const QString file = QString::fromStdString(inScene ? commands_.ScenePath() : m.file);
            place = QFileInfo(file).fileName() + T(", Zeile %1: ").arg(m.line);
            tip = file;
        }
        auto* item = new QListWidgetItem(place + QString::fromStdString(m.text), problems_);
        item->setToolTip(tip);
        item->setForeground(m.error ? QColor(170, 0, 0) : palette().text().color());
    }
}
