#include "app/message_box_prompts.h"

#include <QMessageBox>

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
