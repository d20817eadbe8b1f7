// The CSG group: POV-Ray's union, intersection, difference and merge of its children. The
// group's steps transform its children on top of their own; blobs and predefined objects are
// groups of the same make.
#pragma once

#include <string>

#include "model/pov_object.h"

class CPovCSG : public CPovObject {
  public:
    CPovCSG();

    const char* GetClassName() const override { return "CPovCSG"; }
    int GetType() const override { return kKindCSG; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "CSG"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    // the children's previews inside the group's transform
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    // Draws the children; a selected group draws them selected. The group draws no outline or
    // frame of its own.
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    void Select(IViewPort& view) override;
    void Deselect(IViewPort& view) override;
    // the group's own transform followed by its parent's; what the children are placed by
    CMatrix3D& GetMatrix() override;
    // the group's own transform, then the children; the box is the union of theirs
    void UpdateGeometry() override;
    void ProjectForCamera(const Vector& translation, const Vector& rotation1,
                          const Vector& rotation2, const Vector& rotation3) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovCSG(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // the POV-Ray block keyword: "union", "intersection", "difference" or "merge"
    std::string Operation = "union";
    // ModelMatrix followed by the parent's matrix, rebuilt by GetMatrix
    CMatrix3D GroupMatrix;

  protected:
    // From the declaration on: "#declare", the block with one reference per present child,
    // scale, texture, rotate, translate, closing brace and, top-level only, the instance.
    void WriteGroupBlock(SceneText& out) const;
    // "  scale", the texture, "  rotate", "  translate", the closing brace, the instance
    void WriteGroupTail(SceneText& out) const;
};
