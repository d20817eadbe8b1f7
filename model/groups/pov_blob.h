// The blob: a group whose components, spheres and cylinders with a strength each, melt into
// one surface where their summed field reaches the threshold.
#pragma once

#include "model/groups/pov_csg.h"

class CPovBlob : public CPovCSG {
  public:
    CPovBlob();

    const char* GetClassName() const override { return "CPovBlob"; }
    int GetType() const override { return kKindBlob; }
    const char* GetHelpKeyword() const override { return "BLOB"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovBlob(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    double Threshold = 1.0;
};
