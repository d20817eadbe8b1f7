// The sheets of the lights and the camera.
#pragma once

#include "props/prop_object.h"

// point light: light page
class CPropLight : public CPropObject {
  public:
    CPropLight(CPovObject& light, std::string caption);
};
// spot and cylindrical light: light page and "Speziell"
class CPropLightVariants : public CPropObject {
  public:
    CPropLightVariants(CPovObject& light, std::string caption);
};
class CPropCamera : public CPropObject {
  public:
    CPropCamera(CPovObject& camera, std::string caption);
};
