#include "props/solids/solid_sheets.h"

#include "model/solids/pov_cone.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_plane.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "props/object_pages.h"
#include "props/solids/height_field_page.h"

CPropCubic::CPropCubic(CPovCubic& box, std::string caption) : CPropObject(box, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Plain);
}

CPropCone::CPropCone(CPovCone& cone, std::string caption) : CPropObject(cone, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Plain);
}

CPropSphere::CPropSphere(CPovSphere& sphere, std::string caption)
    : CPropObject(sphere, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::WithStrength);
}

CPropCylinder::CPropCylinder(CPovCylinder& cylinder, std::string caption)
    : CPropObject(cylinder, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::WithStrength);
}

CPropTorus::CPropTorus(CPovTorus& torus, std::string caption)
    : CPropObject(torus, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Torus);
}

CPropHF::CPropHF(CPovHeightField& heightField, std::string caption)
    : CPropObject(heightField, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::HeightField);
    AddPage(std::make_unique<CPropHFSpecial>(heightField));
}

CPropPlane::CPropPlane(CPovPlane& plane, std::string caption)
    : CPropObject(plane, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Plain);
}
