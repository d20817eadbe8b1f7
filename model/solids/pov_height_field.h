// The height field: an image's grey levels as heights over the unit square, from (0, 0, 0) to
// (1, 1, 1) before its steps. The fourth step's y is the water level.
#pragma once

#include <string>

#include "model/pov_object.h"

class CPovHeightField : public CPovObject {
  public:
    CPovHeightField();

    const char* GetClassName() const override { return "CPovHeightField"; }
    int GetType() const override { return kKindHeightField; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "height_field"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    // the wire box, in every view (also the camera view drawn with OpenGL)
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovHeightField(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // y of the fourth step; 0 when the steps lack it
    double WaterLevel() const { return Steps.size() > kStepExtra ? Steps[kStepExtra].Y : 0.0; }

    // image file name as the user chose it; empty for none
    std::string ImageFile;
    int Smooth = 0;
};
