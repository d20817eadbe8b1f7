// The pages most object sheets begin with: general, rotation and the object's texture page.
#pragma once

#include "props/pages/general_page.h"

class CPropObject;

void AddGeneralRotationTexture(CPropObject& sheet, GeneralVariant variant);
