// The sheets of the background, the sky sphere and the fog.
#pragma once

#include "props/prop_object.h"

class CPovBackground;
class CPovFog;
class CPovSkySphere;

class CPropBackground : public CPropObject {
  public:
    CPropBackground(CPovBackground& background, std::string caption);
};
class CPropSkySphere : public CPropObject {
  public:
    CPropSkySphere(CPovSkySphere& sky, std::string caption);
};
// general page, "Speziell" and the turbulence page
class CPropFog : public CPropObject {
  public:
    CPropFog(CPovFog& fog, std::string caption);
};
