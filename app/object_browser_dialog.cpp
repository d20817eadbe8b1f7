#include "app/object_browser_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "document/orvanta_doc.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "view/qt/widgets/view_widget.h"

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

QString UiText(const char* german) {
    return QString::fromUtf8(Tr(german));
}

// "Bitte Warten! Daten werden analysiert." while a large tree fills
class WaitNotice {
  public:
    explicit WaitNotice(QWidget* parent) {
        label_ = new QLabel(UiText("Bitte Warten! Daten werden analysiert."), parent,
                            Qt::Tool | Qt::FramelessWindowHint);
        label_->setObjectName("waitNotice");
        label_->setFrameStyle(QFrame::Panel | QFrame::Raised);
        label_->setMargin(16);
        label_->adjustSize();
        if (parent)
            label_->move(parent->mapToGlobal(parent->rect().center()) - label_->rect().center());
        label_->show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~WaitNotice() { delete label_; }
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

  private:
    QLabel* label_;
};

}  // namespace

ObjectBrowserDialog::ObjectBrowserDialog(COrvantaDoc& document, ViewWidget& view, bool goToMode,
                                         QWidget* parent)
    : QDialog(parent), model_(document, goToMode), view_(view) {
    setObjectName("objectBrowser");
    setWindowTitle(UiText("Objekte"));
    auto* layout = new QVBoxLayout(this);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("objectTree");
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(tree_);

    auto* buttons = new QDialogButtonBox(this);
    goTo_ = buttons->addButton(UiText("&Gehe zu"), QDialogButtonBox::AcceptRole);
    edit_ = buttons->addButton(UiText("&Bearbeiten..."), QDialogButtonBox::ActionRole);
    delete_ = buttons->addButton(UiText("&Löschen"), QDialogButtonBox::DestructiveRole);
    QPushButton* close = buttons->addButton(UiText("&Schließen"), QDialogButtonBox::RejectRole);
    goTo_->setObjectName("goToButton");
    edit_->setObjectName("editButton");
    delete_->setObjectName("deleteButton");
    close->setObjectName("closeButton");
    // go-to mode: only "Gehe zu" (the default button); browser mode: edit and delete
    goTo_->setVisible(goToMode);
    goTo_->setDefault(goToMode);
    edit_->setDefault(!goToMode);
    edit_->setVisible(!goToMode);
    delete_->setVisible(!goToMode);
    layout->addWidget(buttons);

    disconnect(buttons, nullptr, this, nullptr);
    connect(goTo_, &QPushButton::clicked, this, &ObjectBrowserDialog::OnGoTo);
    connect(edit_, &QPushButton::clicked, this, &ObjectBrowserDialog::OnEdit);
    connect(delete_, &QPushButton::clicked, this, &ObjectBrowserDialog::OnDelete);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &ObjectBrowserDialog::OnDoubleClick);

    resize(360, 480);
    Fill(nullptr);
    tree_->setFocus();
}

void ObjectBrowserDialog::Fill(CPovObject* show) {
    std::unique_ptr<WaitNotice> notice;
    if (ObjectBrowserModel::CountItems(model_.Document()) >= kWaitNoticeItems)
        notice = std::make_unique<WaitNotice>(parentWidget());
    model_.Fill(show);
    ShowTree();
}

void ObjectBrowserDialog::ShowTree() {
    tree_->setUpdatesEnabled(false);
    tree_->clear();
    const auto& nodes = model_.Nodes();
    items_.assign(nodes.size(), nullptr);
    // items are made top-down, each group's children handed over at once
    std::vector<int> pending = model_.Roots();
    QList<QTreeWidgetItem*> roots;
    for (int r : pending) {
        auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(nodes[r].text)));
        item->setData(0, kNodeRole, r);
        items_[r] = item;
        roots << item;
    }
    tree_->addTopLevelItems(roots);
    while (!pending.empty()) {
        const int n = pending.back();
        pending.pop_back();
        if (nodes[n].children.empty())
            continue;
        QList<QTreeWidgetItem*> children;
        children.reserve(static_cast<qsizetype>(nodes[n].children.size()));
        for (int c : nodes[n].children) {
            auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(nodes[c].text)));
            item->setData(0, kNodeRole, c);
            items_[c] = item;
            children << item;
            pending.push_back(c);
        }
        items_[n]->addChildren(children);
    }
    for (size_t n = 0; n < nodes.size(); ++n)
        if (nodes[n].expanded)
            items_[n]->setExpanded(true);
    if (model_.ShowNode() >= 0) {
        QTreeWidgetItem* item = items_[static_cast<size_t>(model_.ShowNode())];
        tree_->setCurrentItem(item);
        tree_->scrollToItem(item, QAbstractItemView::PositionAtTop);
    }
    tree_->setUpdatesEnabled(true);
}

QTreeWidgetItem* ObjectBrowserDialog::ItemOf(const CPovObject* object) const {
    const int node = model_.NodeOf(object);
    return node >= 0 ? items_[static_cast<size_t>(node)] : nullptr;
}

int ObjectBrowserDialog::SelectedNode() const {
    const QTreeWidgetItem* item = tree_->currentItem();
    return item ? item->data(0, kNodeRole).toInt() : -1;
}

CPovObject* ObjectBrowserDialog::SelectedObject() const {
    const int node = SelectedNode();
    return node >= 0 ? model_.Nodes()[static_cast<size_t>(node)].object : nullptr;
}

void ObjectBrowserDialog::OnEdit() {
    const int node = SelectedNode();
    switch (model_.Edit(node)) {
        case ObjectBrowserModel::EditResult::Refilled:
            ShowTree();
            break;
        case ObjectBrowserModel::EditResult::Renamed:
            items_[static_cast<size_t>(node)]->setText(
                0, QString::fromStdString(model_.Nodes()[static_cast<size_t>(node)].text));
            break;
        case ObjectBrowserModel::EditResult::Nothing:
            break;
    }
}

void ObjectBrowserDialog::OnDelete() {
    if (model_.Delete(SelectedNode()))
        ShowTree();
}

void ObjectBrowserDialog::OnGoTo() {
    if (model_.GoTo(SelectedNode(), view_.View(), view_))
        accept();
}

void ObjectBrowserDialog::OnDoubleClick() {
    if (model_.GoToMode())
        OnGoTo();
    else
        OnEdit();
}
