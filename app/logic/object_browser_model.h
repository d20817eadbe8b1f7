// The object browser's contents and actions without a toolkit: the tree of a document's
// objects (pre-order, sorted among siblings, deleted ones with their mark) and, in browser
// mode, its surfaces; editing, deleting and going to the object of an item.
#pragma once

#include <string>
#include <vector>

class COrvantaDoc;
class COrvantaView;
class CPovObject;
class IScrollBars;

struct BrowserNode {
    std::string text;              // UTF-8
    CPovObject* object = nullptr;  // none for the group items
    int parent = -1;
    std::vector<int> children;  // sorted by text
    bool expanded = false;
};

// The scroll positions that put the centre of an object's bounding box at the centre of a
// view: the horizontal and the vertical position.
struct ScrollPositions {
    int horizontal = 0;
    int vertical = 0;
};
ScrollPositions GoToScrollPositions(const CPovObject& object, int viewKind, double zoom,
                                    int clientWidth, int clientHeight);

class ObjectBrowserModel {
  public:
    ObjectBrowserModel(COrvantaDoc& document, bool goToMode);

    // Rebuilds the tree. The item to show is show's; without one, the first selected object's
    // (which from then on counts as the object to show).
    void Fill(CPovObject* show = nullptr);

    bool GoToMode() const { return goToMode_; }
    COrvantaDoc& Document() const { return document_; }
    const std::vector<BrowserNode>& Nodes() const { return nodes_; }
    const std::vector<int>& Roots() const { return roots_; }
    // the item to show first, or -1
    int ShowNode() const { return showNode_; }
    // the item of an object, or -1
    int NodeOf(const CPovObject* object) const;
    // how many scene objects the tree lists (for the decision to show a wait notice)
    static size_t CountItems(const COrvantaDoc& document);

    // What the dialog does after an edit.
    enum class EditResult { Nothing, Refilled, Renamed };
    // Runs the sheet of the node's object when it is present, as one step. OK on a CSG group
    // refills the tree showing it; OK with a new name changes the item's text. Every view but
    // those of a texture edit redraws.
    EditResult Edit(int node);
    // Deletes the node's object as cut does (its copy goes to the clipboard), as one step
    // "Löschen <name>" that undo takes back, and refills the tree showing it with its deleted
    // mark. False without an object.
    bool Delete(int node);
    // Deselects everything; selects the node's present object in the view and scrolls the
    // view so that the object is at its centre. False when the node has no object (the dialog
    // stays open); true otherwise, also for a deleted object, which is neither selected nor
    // scrolled to.
    bool GoTo(int node, COrvantaView& view, IScrollBars& bars);

  private:
    int Add(int parent, std::string text, CPovObject* object);
    void AddObjects();
    void AddSurfaces();
    void Sort(std::vector<int>& children);
    std::string DisplayName(const CPovObject& object) const;

    COrvantaDoc& document_;
    bool goToMode_;
    std::vector<BrowserNode> nodes_;
    std::vector<int> roots_;
    int showNode_ = -1;
    CPovObject* show_ = nullptr;
};
