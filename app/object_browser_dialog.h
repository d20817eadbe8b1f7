// The object browser ("Objekte"): the document's objects, textures, halos and pigments in a
// tree, with "&Bearbeiten...", "&Löschen" and "&Schließen"; as the go-to dialog it lists the
// objects only and "&Gehe zu" selects one and centres the view on it. The tree and the actions
// are ObjectBrowserModel's; this class lays them out.
#pragma once

#include <QDialog>

#include "app/logic/object_browser_model.h"

class COrvantaDoc;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ViewWidget;

class ObjectBrowserDialog : public QDialog {
    Q_OBJECT

  public:
    ObjectBrowserDialog(COrvantaDoc& document, ViewWidget& view, bool goToMode,
                        QWidget* parent = nullptr);

    QTreeWidget* Tree() const { return tree_; }
    const ObjectBrowserModel& Model() const { return model_; }
    // the tree item of a scene object, or nullptr
    QTreeWidgetItem* ItemOf(const CPovObject* object) const;
    // the object of the selected item, or nullptr
    CPovObject* SelectedObject() const;

    void OnEdit();
    void OnDelete();
    void OnGoTo();

    // With at least this many scene objects the tree shows "Bitte Warten!" while it fills.
    static constexpr size_t kWaitNoticeItems = 50000;

  private:
    // Rebuilds the tree from the model and scrolls its item to show to the top.
    void Fill(CPovObject* show);
    void ShowTree();
    int SelectedNode() const;
    void OnDoubleClick();

    ObjectBrowserModel model_;
    ViewWidget& view_;
    QTreeWidget* tree_ = nullptr;
    QPushButton* goTo_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* delete_ = nullptr;
    std::vector<QTreeWidgetItem*> items_;  // by node index
};
