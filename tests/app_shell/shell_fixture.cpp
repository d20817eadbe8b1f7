#include "tests/app_shell/shell_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include "app/logic/language.h"
#include "resources/string_table.h"

void ShellTest::SetUp() {
    ModelTest::SetUp();
    SetSettingsStore(&settings);
    ApplyStartupLanguage();  // an empty store: German, as a first start
}

void ShellTest::TearDown() {
    app.reset();
    SetSettingsStore(nullptr);
    SetUiLanguage(UiLanguage::German);
    ModelTest::TearDown();
}

void ShellTest::StartApp() {
    app = std::make_unique<COrvantaApp>();
    app->Frame()->resize(1200, 900);
    app->Frame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->Frame()));
    // shortcuts go to the active window
    app->Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
}

void ShellTest::Screenshot(QWidget* widget, const char* name) {
    const QString folder = qEnvironmentVariable("ORVANTA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    const QString file = QString("%1/%2-%3.png")
                             .arg(folder, QString::fromUtf8(name),
                                  EnglishResources() ? QString("en") : QString("de"));
    EXPECT_TRUE(widget->grab().save(file)) << file.toStdString();
}

void ShellTest::Settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    QTest::qWait(30);
}

void ShellTest::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    app->Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
    QTest::keyClick(app->Frame(), key, modifiers);
}

void ShellTest::Trigger(int id) {
    app->Frame()->UpdateCommandStates();
    QAction* action = app->Frame()->Action(id);
    ASSERT_NE(action, nullptr) << id;
    ASSERT_TRUE(action->isEnabled()) << id;
    action->trigger();
    Settle();
}

void ShellTest::WithModal(const std::function<void()>& start,
                          const std::function<void(QWidget*)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || seen)
            return;
        seen = true;
        poll.stop();
        inspect(modal);
    });
    poll.start();
    start();
    poll.stop();
    EXPECT_TRUE(seen) << "no modal window appeared";
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts{menu->title()};
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        texts << a->text() << a->toolTip() << a->statusTip() << a->whatsThis();
        if (a->menu())
            texts << MenuTexts(a->menu());
    }
    return texts;
}

QStringList VisibleTexts(QWidget* root) {
    QStringList texts{root->windowTitle()};
    for (auto* w : root->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text() << button->toolTip();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        else if (auto* browser = qobject_cast<QTextBrowser*>(w))
            texts << browser->toPlainText();
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        else if (auto* tree = qobject_cast<QTreeWidget*>(w))
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                texts << (*it)->text(0);
        else if (auto* menu = qobject_cast<QMenu*>(w))
            texts << MenuTexts(menu);
        texts << w->toolTip() << w->statusTip();
    }
    texts.removeAll(QString());
    return texts;
}

QStringList GermanLooking(const QStringList& texts) {
    static const QRegularExpression german(
        QString::fromUtf8("[äöüÄÖÜß]|\\b(und|der|die|das|mit|Datei|Ansicht|Einstellungen|"
                          "Bearbeiten|Fenster|Hilfe|Objekte|Erzeugt|Zeigt|Speichern)\\b"));
    QStringList found;
    for (const QString& t : texts)
        if (german.match(t).hasMatch())
            found << t;
    found.removeDuplicates();
    return found;
}
