// The sheet of CSG groups, blobs and predefined objects: general, rotation, texture and
// elements pages; a blob adds its threshold.
#pragma once

#include "props/prop_object.h"

class CPovCSG;

class CPropCSG : public CPropObject {
  public:
    CPropCSG(CPovCSG& group, std::string caption);
};
