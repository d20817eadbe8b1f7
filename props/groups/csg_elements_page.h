// The CSG page ("Elemente") of groups, blobs and predefined objects: the operation, and the
// objects of the scene moved into and out of the group. A blob offers only spheres and
// cylinders and has no operation. OK relinks: every object offered or listed is afterwards
// either a top-level object or a child of the group, never both, never neither.
#pragma once

#include <vector>

#include "props/page_model.h"

class CPovCSG;
class CPovObject;

class CPropCSGElements : public PageModel {
  public:
    explicit CPropCSGElements(CPovCSG& group);

    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

    // the objects of the two lists, in list order
    const std::vector<CPovObject*>& Available() const { return available_; }
    const std::vector<CPovObject*>& Members() const { return members_; }

  private:
    // moves the selected entries of one list to the end of the other
    void Move(const char* fromId, std::vector<CPovObject*>& from, const char* toId,
              std::vector<CPovObject*>& to);
    void Base();
    void ShowLists();

    CPovCSG& group_;
    bool blob_;
    std::vector<CPovObject*> available_;
    std::vector<CPovObject*> members_;
};
