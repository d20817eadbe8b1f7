// The predefined object: a group whose parts come from an include file. Its parts are written
// inside a guard, so that the include file can be read both on its own and from the scene.
#pragma once

#include "model/groups/pov_csg.h"

class CPovUserObject : public CPovCSG {
  public:
    CPovUserObject();

    const char* GetClassName() const override { return "CPovUserObject"; }
    int GetType() const override { return kKindUserObject; }
    const char* GetHelpKeyword() const override { return "Object"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovUserObject(); }
};
