// The sheet of a halo ("Eigenschaften Halo"): general and rotation page, definitions, colour
// table, sampling and turbulence.
#pragma once

#include "props/prop_object.h"

class CPovHalo;

class CPropHalo : public CPropObject {
  public:
    CPropHalo(CPovHalo& halo, std::string caption);
};
