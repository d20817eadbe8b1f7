#include "props/groups/group_sheets.h"

#include "model/groups/pov_blob.h"
#include "props/groups/blob_threshold_page.h"
#include "props/groups/csg_elements_page.h"
#include "props/object_pages.h"

CPropCSG::CPropCSG(CPovCSG& group, std::string caption) : CPropObject(group, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Plain);
    AddPage(std::make_unique<CPropCSGElements>(group));
    if (auto* blob = dynamic_cast<CPovBlob*>(&group))
        AddPage(std::make_unique<CPropBlobThreshold>(*blob));
}
