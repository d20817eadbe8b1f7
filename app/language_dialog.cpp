#include "app/language_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "app/command_icons.h"
#include "app/logic/language.h"
#include "app/qt_translations.h"

UiLanguage AskLanguage(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("languageDialog");
    dialog.setWindowTitle(QString::fromUtf8("Sprache wählen / Select language"));
    auto* layout = new QGridLayout(&dialog);
    auto* german = new QRadioButton(QStringLiteral("Deutsch"), &dialog);
    auto* english = new QRadioButton(QStringLiteral("English"), &dialog);
    german->setObjectName("germanChoice");
    english->setObjectName("englishChoice");
    german->setChecked(true);
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    auto* question = new QLabel(&dialog);
    question->setPixmap(dialog.style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(german, 0, 1);
    layout->addWidget(english, 1, 1);
    layout->addWidget(question, 0, 2, 2, 1, Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* help = buttons->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    layout->addWidget(buttons, 2, 0, 1, 3);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(help, &QPushButton::clicked, &dialog, [&dialog] {
        QMessageBox::information(
            &dialog, QString::fromUtf8("Sprache wählen / Select language"),
            QString::fromUtf8(
                "Die Sprache der Menüs, Dialoge und Meldungen. Sie lässt sich später unter "
                "Extras > Sprache ändern und gilt ab dem nächsten Start.\n\n"
                "The language of the menus, dialogs and messages. Change it later in "
                "Extras > Language; it takes effect at the next start."));
    });
    german->setFocus();
    dialog.exec();
    return english->isChecked() ? UiLanguage::English : UiLanguage::German;
}

void ChooseStartupLanguage(QWidget* parent) {
    if (LanguageNotChosen())
        ChooseLanguage(AskLanguage(parent));
    ApplyStartupLanguage();
    InstallQtTranslations(StartupLanguage());
}

void ApplyStartupLanguageWithoutAsking() {
    ApplyStartupLanguage();
    InstallQtTranslations(StartupLanguage());
}
