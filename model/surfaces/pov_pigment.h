// A stand-alone pigment, declared by name for pigment maps and the sky sphere.
#pragma once

#include "model/surfaces/pov_pigment_owner.h"

class CPovPigment : public CPovPigmentOwner {
  public:
    CPovPigment();

    const char* GetClassName() const override { return "CPovPigment"; }
    int GetType() const override { return kKindPigment; }
    const char* GetHelpKeyword() const override { return "Pigment"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovPigment(); }
    // The copy is named after this pigment followed by the pigment counter.
    CPovObject* Clone(CPovObject* target = nullptr) override;
};
