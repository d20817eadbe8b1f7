#include "props/qt/sheet_dialog.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "model/cp1252.h"
#include "platform/prompts.h"
#include "props/pov_reference.h"
#include "props/qt/page_widget.h"
#include "props/sheet_model.h"
#include "resources/ui_text.h"

namespace {

std::function<void(const std::string&)>& HelpHandler() {
    static std::function<void(const std::string&)> handler;
    return handler;
}

std::function<void(const std::string&)>& UrlOpener() {
    static std::function<void(const std::string&)> opener;
    return opener;
}

QString Q(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

void SetProgramHelpHandler(std::function<void(const std::string& topic)> handler) {
    HelpHandler() = std::move(handler);
}

void SetUrlOpener(std::function<void(const std::string& url)> opener) {
    UrlOpener() = std::move(opener);
}

void OpenUrl(const std::string& url) {
    if (UrlOpener())
        UrlOpener()(url);
    else
        QDesktopServices::openUrl(QUrl(Q(url)));
}

SheetDialog::SheetDialog(SheetModel& sheet, QWidget* parent) : QDialog(parent), sheet_(sheet) {
    setWindowTitle(Q(sheet.Caption()));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    for (size_t i = 0; i < sheet.PageCount(); ++i) {
        auto* page = new PageWidget(sheet, sheet.Page(i), tabs_);
        pages_.push_back(page);
        tabs_->addTab(page, Q(sheet.Page(i).Title()));
    }
    if (sheet.Plain()) {
        tabs_->tabBar()->hide();
        tabs_->setDocumentMode(true);
    }
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &SheetDialog::PageChanging);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    if (!sheet.CloseText().empty()) {
        ok_ = new QPushButton(Q(sheet.CloseText()), this);
    } else {
        ok_ = new QPushButton(Tr("OK"), this);
        cancel_ = new QPushButton(Tr("Abbrechen"), this);
    }
    ok_->setDefault(true);
    buttons->addWidget(ok_);
    connect(ok_, &QPushButton::clicked, this, &SheetDialog::accept);
    if (cancel_) {
        cancel_->setAutoDefault(false);
        buttons->addWidget(cancel_);
        connect(cancel_, &QPushButton::clicked, this, &SheetDialog::reject);
    }
    if (!sheet.Plain() && HelpHandler()) {
        help_ = new QPushButton(Tr("Hilfe"), this);
        help_->setAutoDefault(false);
        buttons->addWidget(help_);
        connect(help_, &QPushButton::clicked, this, [this] {
            if (HelpHandler())
                HelpHandler()(sheet_.HelpTopic());
        });
    }
    if (!sheet.Plain() && !sheet.ReferenceKeyword().empty()) {
        reference_ = new QPushButton(Tr("Referenz"), this);
        reference_->setAutoDefault(false);
        buttons->addWidget(reference_);
        connect(reference_, &QPushButton::clicked, this,
                [this] { OpenUrl(PovRayReferenceUrl(sheet_.ReferenceKeyword())); });
    }
    layout->addLayout(buttons);

    sheet_.Activate(0);
    if (!pages_.empty())
        pages_[0]->Sync();
}

int SheetDialog::Run() {
    return exec() == QDialog::Accepted ? 1 : 2;
}

PageWidget* SheetDialog::PageAt(int index) const {
    if (index < 0 || index >= static_cast<int>(pages_.size()))
        return nullptr;
    return pages_[static_cast<size_t>(index)];
}

PageWidget* SheetDialog::CurrentPage() const {
    return PageAt(tabs_->currentIndex());
}

void SheetDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (focused_)
        return;
    focused_ = true;
    if (PageWidget* page = CurrentPage())
        if (QWidget* first = page->FirstInput())
            first->setFocus(Qt::TabFocusReason);
}

void SheetDialog::PageChanging(int index) {
    if (switching_)
        return;
    // the page being left must accept its values first
    if (std::optional<SheetRefusal> r = sheet_.CheckActivePage()) {
        ShowRefusal(r->page, r->fieldId, r->message);
        return;
    }
    shownPage_ = index;
    sheet_.Activate(static_cast<size_t>(index));
    if (PageWidget* page = PageAt(index)) {
        page->Sync();
        if (QWidget* first = page->FirstInput())
            first->setFocus(Qt::TabFocusReason);
    }
}

void SheetDialog::ShowRefusal(size_t page, const std::string& fieldId, const std::string& message) {
    switching_ = true;
    tabs_->setCurrentIndex(static_cast<int>(page));
    switching_ = false;
    shownPage_ = static_cast<int>(page);
    sheet_.Activate(page);
    PageWidget* widget = PageAt(static_cast<int>(page));
    if (widget)
        widget->Sync();
    GetPrompts().Message(orv::Utf8ToCp1252(message));
    if (widget)
        widget->FocusField(fieldId);
}

void SheetDialog::accept() {
    if (std::optional<SheetRefusal> r = sheet_.Ok()) {
        ShowRefusal(r->page, r->fieldId, r->message);
        return;
    }
    QDialog::accept();
}

void SheetDialog::reject() {
    sheet_.Cancel();
    QDialog::reject();
}
