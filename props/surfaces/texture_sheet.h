// The sheet of a texture ("Eigenschaften Oberfläche") or a stand-alone pigment ("Eigenschaften
// Pigment"): the general and the colour page; a texture adds the normal, finish and halo
// pages. The colour, normal and finish pages show a live picture of the surface as the pages
// have it now, rendered by POV-Ray a moment after the last change.
#pragma once

#include <vector>

#include "preview/preview_scenes.h"
#include "props/prop_object.h"
#include "props/surfaces/surface_page.h"

class CPovPigmentOwner;

class CPropPovTexture : public CPropObject {
  public:
    CPropPovTexture(CPovPigmentOwner& surface, std::string caption);

    CPovPigmentOwner& Surface() const { return surface_; }
    bool IsTexture() const;

    // The live preview's scene: a copy of the surface with the values of every shown page.
    TexturePreviewScene LiveScene();
    // Puts the live scene where the preview fields find it (pages call it after a change).
    void RefreshPreview();
    LivePreview& Preview() { return preview_; }
    // Adds the live preview field to a page.
    void AddPreviewField(PageModel& page);

  private:
    CPovPigmentOwner& surface_;
    std::vector<SurfacePage*> surfacePages_;
    LivePreview preview_;
};
