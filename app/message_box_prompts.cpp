#include "app/message_box_prompts.h"

#include <QMessageBox>
#include <QPushButton>

#include "model/cp1252.h"

namespace {
QString Text(const std::string& cp1252) {
    return QString::fromStdString(orv::Cp1252ToUtf8(cp1252));
}
}  // namespace

void MessageBoxPrompts::Message(const std::string& text) {
    QMessageBox::information(parent_, QString(), Text(text));
}

bool MessageBoxPrompts::AskYesNo(const std::string& text) {
    return QMessageBox::question(parent_, QString(), Text(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

IPrompts::Answer MessageBoxPrompts::AskYesNoCancel(const std::string& text) {
    switch (QMessageBox::question(parent_, QString(), Text(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

int MessageBoxPrompts::AskChoice(const std::string& text, const std::vector<std::string>& buttons) {
    QMessageBox box(QMessageBox::Warning, QString(), Text(text), QMessageBox::NoButton, parent_);
    box.setObjectName("choiceQuestion");
    std::vector<QPushButton*> added;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const bool last = i + 1 == buttons.size();
        added.push_back(box.addButton(Text(buttons[i]),
                                      last ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (!added.empty()) {
        box.setDefaultButton(added.front());
        box.setEscapeButton(added.back());
    }
    box.exec();
    for (size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i])
            return static_cast<int>(i);
    return static_cast<int>(buttons.size()) - 1;
}
