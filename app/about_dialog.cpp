#include "app/about_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/command_icons.h"
#include "app/logic/system_info.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {
QString UiText(const char* german) {
    return QString::fromUtf8(Tr(german));
}
}  // namespace

void ShowAboutBox(QWidget* parent) {
    QDialog box(parent);
    box.setObjectName("aboutBox");
    box.setWindowTitle(UiText("Info über Orvanta Modeller"));
    auto* layout = new QVBoxLayout(&box);

    auto* head = new QHBoxLayout;
    auto* icon = new QLabel(&box);
    icon->setPixmap(ApplicationIcon().pixmap(96, 96));
    head->addWidget(icon);
    auto* text = new QLabel(&box);
    text->setText(QStringLiteral("<b>%1</b><br>%2 %3<br><br>%4")
                      .arg(QString::fromStdString(TrId(IDS_APP_TITLE)), UiText("Version"),
                           QStringLiteral(ORVANTA_VERSION),
                           UiText("Ein Modeller für den Raytracer POV-Ray.")));
    head->addWidget(text, 1);
    layout->addLayout(head);

    auto* system = new QGroupBox(UiText("Systeminfo"), &box);
    auto* systemLayout = new QVBoxLayout(system);
    auto* memory = new QLabel(QString::fromStdString(MemoryText(PhysicalMemoryKb())), system);
    memory->setObjectName("memoryLabel");
    auto* disk = new QLabel(
        QString::fromStdString(FreeSpaceText(FreeDiskSpace("", std::chrono::milliseconds(300)))),
        system);
    disk->setObjectName("diskLabel");
    systemLayout->addWidget(memory);
    systemLayout->addWidget(disk);
    layout->addWidget(system);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    box.exec();
}
