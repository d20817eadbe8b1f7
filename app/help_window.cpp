#include "app/help_window.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {

QString UiText(const char* german) {
    return QString::fromUtf8(Tr(german));
}

QUrl PageUrl(ManualPage page) {
    const QString language = GetUiLanguage() == UiLanguage::English ? "en" : "de";
    const QString file = page == ManualPage::UsingHelp ? "help.html" : "index.html";
    return QUrl(QStringLiteral("qrc:/manual/%1/%2").arg(language, file));
}

class HelpWindow : public QDialog {
  public:
    explicit HelpWindow(QWidget* parent) : QDialog(parent) {
        setObjectName("helpWindow");
        setWindowTitle(UiText("Orvanta Modeller Hilfe"));
        setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(this);
        auto* bar = new QHBoxLayout;
        auto* contents = new QPushButton(UiText("&Inhalt"), this);
        auto* back = new QPushButton(UiText("&Zurück"), this);
        auto* forward = new QPushButton(UiText("&Vor"), this);
        bar->addWidget(contents);
        bar->addWidget(back);
        bar->addWidget(forward);
        bar->addStretch();
        layout->addLayout(bar);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("helpBrowser");
        // links to the web open in the desktop's browser
        browser_->setOpenExternalLinks(true);
        layout->addWidget(browser_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
        layout->addWidget(buttons);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
        connect(contents, &QPushButton::clicked, this,
                [this] { browser_->setSource(PageUrl(ManualPage::Contents)); });
        connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        back->setEnabled(false);
        forward->setEnabled(false);
        resize(640, 560);
    }
    QTextBrowser* Browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

QPointer<HelpWindow> g_window;

}  // namespace

QTextBrowser* ShowManual(QWidget* parent, ManualPage page, const std::string& topic) {
    if (!g_window)
        g_window = new HelpWindow(parent);
    QUrl url = PageUrl(page);
    if (!topic.empty())
        url.setFragment(QString::fromStdString(topic));
    g_window->Browser()->setSource(url);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    return g_window->Browser();
}
