#include "props/qt/font_chooser.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/ui_text.h"

namespace {

QString Title(const FontFace& face) {
    return QString::fromStdString(face.family + " " + face.style);
}

}  // namespace

FontChooser::FontChooser(const std::vector<FontFace>& faces, const std::string& current,
                         QWidget* parent)
    : QDialog(parent), faces_(faces) {
    setWindowTitle(Tr("Schriftart"));
    auto* layout = new QVBoxLayout(this);
    auto* filterLabel = new QLabel(Tr("&Suchen:"), this);
    filter_ = new QLineEdit(this);
    filterLabel->setBuddy(filter_);
    layout->addWidget(filterLabel);
    layout->addWidget(filter_);
    list_ = new QListWidget(this);
    list_->setMinimumSize(320, 260);
    layout->addWidget(list_);
    sample_ = new QLabel(this);
    sample_->setMinimumHeight(48);
    layout->addWidget(sample_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Tr("Abbrechen"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, &FontChooser::Filter);
    connect(list_, &QListWidget::currentRowChanged, this, &FontChooser::ShowSample);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    for (size_t i = 0; i < faces_.size(); ++i) {
        auto* item = new QListWidgetItem(Title(faces_[i]), list_);
        item->setData(Qt::UserRole, static_cast<int>(i));
        const QString file = QFileInfo(QString::fromStdString(faces_[i].file)).fileName();
        if (!current.empty() &&
            file.compare(QString::fromStdString(current), Qt::CaseInsensitive) == 0)
            list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && list_->count() > 0)
        list_->setCurrentRow(0);
    filter_->setFocus();
}

void FontChooser::Filter(const QString& text) {
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setHidden(!list_->item(i)->text().contains(text, Qt::CaseInsensitive));
}

void FontChooser::ShowSample() {
    const std::optional<FontFace> face = Chosen();
    if (!face) {
        sample_->clear();
        return;
    }
    QFont font(QString::fromStdString(face->family));
    font.setStyleName(QString::fromStdString(face->style));
    font.setPointSize(16);
    sample_->setFont(font);
    sample_->setText(QStringLiteral("AaBbÄäÖöÜü 0123"));
}

std::optional<FontFace> FontChooser::Chosen() const {
    const QListWidgetItem* item = list_->currentItem();
    if (!item || item->isHidden())
        return std::nullopt;
    return faces_[static_cast<size_t>(item->data(Qt::UserRole).toInt())];
}
