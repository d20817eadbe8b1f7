// The sheets of the solid primitives: general page (per kind), rotation page, texture page;
// the height field adds its "Spezial" page.
#pragma once

#include "props/prop_object.h"

class CPovCone;
class CPovCubic;
class CPovCylinder;
class CPovHeightField;
class CPovPlane;
class CPovSphere;
class CPovTorus;

class CPropCubic : public CPropObject {
  public:
    CPropCubic(CPovCubic& box, std::string caption);
};
class CPropCone : public CPropObject {
  public:
    CPropCone(CPovCone& cone, std::string caption);
};
class CPropSphere : public CPropObject {
  public:
    CPropSphere(CPovSphere& sphere, std::string caption);
};
class CPropCylinder : public CPropObject {
  public:
    CPropCylinder(CPovCylinder& cylinder, std::string caption);
};
class CPropTorus : public CPropObject {
  public:
    CPropTorus(CPovTorus& torus, std::string caption);
};
class CPropHF : public CPropObject {
  public:
    CPropHF(CPovHeightField& heightField, std::string caption);
};
class CPropPlane : public CPropObject {
  public:
    CPropPlane(CPovPlane& plane, std::string caption);
};
