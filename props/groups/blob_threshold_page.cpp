#include "props/groups/blob_threshold_page.h"

#include "model/groups/pov_blob.h"
#include "resources/ui_text.h"

CPropBlobThreshold::CPropBlobThreshold(CPovBlob& blob) : PageModel(Tr("Threshold")), blob_(blob) {
    AddNumber("threshold", Tr("&Threshold:"), {}, 0.0, 100.0);
}

void CPropBlobThreshold::Load(SheetModel&) {
    SetNumber("threshold", blob_.Threshold);
}

void CPropBlobThreshold::Store(SheetModel&) {
    blob_.Threshold = *Number("threshold");
}
