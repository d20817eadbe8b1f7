// Turns the evaluated statements of a POV-Ray scene into the modeller's objects: each shape,
// group, light, camera and environment statement becomes an editable object where the
// modeller's kinds hold it exactly, and a raw element (its POV-Ray text) where they do not.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/tree_placement.h"
#include "import/import_report.h"
#include "import/pov_scene.h"
#include "import/pov_text_writer.h"
#include "import/pov_transform.h"
#include "import/surface_mapper.h"

class COrvantaDoc;
class CPovObject;
class CPovRaw;

namespace pov {

class ObjectMapper {
  public:
    ObjectMapper(const EvaluatedScene& scene, COrvantaDoc& doc, ImportReport& report);
    ~ObjectMapper();

    void MapStatement(const Statement& statement);
    // Learns the names of the scene's files from the first it does not know yet: the report
    // quotes them. While the scene is still being evaluated on another thread the mapper reads
    // nothing of it but what it is given.
    void KnowFiles(const std::vector<std::string>& names);
    void KnowFiles(const std::vector<SourceFile>& files);
    // the top-level objects made so far, in the scene's order (the caller links them), their
    // geometry built; breathe (when given) is called now and then while the rest is placed
    std::vector<CPovObject*> TakeObjects(const std::function<void()>& breathe = nullptr);

    // An object statement as it is built: the statement with the geometry, its head (the
    // items before its modifiers), and every modifier of it and of the "object { Name ... }"
    // wrappers around it, innermost first; a group's member statements apart.
    struct Parts {
        const Block* shape = nullptr;
        size_t headEnd = 0;
        std::vector<Item> modifiers;
        std::vector<Item> children;
    };

  private:
    // ---- shapes (shape_mapper.cpp) ----
    // The object for one shape statement, placed in its parent's frame, its geometry not yet
    // built; nullptr with why when it must stay text. approximated is set when a value had to
    // be rounded.
    CPovObject* MapShape(const Block& statement, std::string& why, bool& approximated, int depth);
    // The object of a primitive shape with its own fields, the transformation that puts the
    // modeller's unit shape where the statement's head puts POV-Ray's (form) and the unit
    // shape's size (extent); headEnd is where the modifiers start.
    CPovObject* MakeShape(const Block& shape, size_t& headEnd, Affine& form, double& extent,
                          std::string& why);
    CPovObject* MapGroup(const Block& shape, const Parts& parts, std::string& why,
                         bool& approximated, int depth);
    CPovObject* MapTriangle(const Block& statement, std::string& why, bool& approximated);

    // ---- lights, camera, environment (environment_mapper.cpp) ----
    CPovObject* MapLight(const Block& b, std::string& why);
    CPovObject* MapCamera(const Block& b, std::string& why);
    CPovObject* MapBackground(const Block& b, std::string& why);
    CPovObject* MapSkySphere(const Block& b, std::string& why);
    CPovObject* MapFog(const Block& b, std::string& why);

    // ---- shared (object_mapper.cpp) ----
    // The shape of an object statement and its wrappers' modifiers (headEnd is the shape's);
    // false with why for an object reference to nothing.
    bool CollectParts(const Block& statement, size_t headEnd, Parts& parts, std::string& why) const;
    // the statement with the geometry under the wrappers
    static const Block* ShapeOf(const Block& statement);
    // The statement kept as POV-Ray text. movable: an object statement, declared and placed
    CPovRaw* MakeRaw(const Block& statement, bool movable);
    // Applies the texture items and the place's steps to the object (false with why). With
    // baked, the object keeps identity steps and the whole transformation goes to *baked (a
    // triangle puts it into its corners).
    bool PlaceObject(CPovObject& object, const Parts& parts, const Affine& form, double extent,
                     std::string& why, bool& approximated, Affine* baked = nullptr);
    void AddTopLevel(CPovObject* object);
    void FlushDeclarations();
    std::string FileName(const SourceLoc& loc) const;
    // counts a statement kept as text (its members, for a group)
    void CountShape(const Block& statement);
    // counts the shapes of a mapped object: members kept as text are not editable
    void CountObject(const CPovObject& object);

    COrvantaDoc& doc_;
    ImportReport& report_;
    TextWriter writer_;
    SurfaceMapper surfaces_;
    std::vector<CPovObject*> objects_;
    std::vector<std::string> fileNames_;
    // builds the geometry of the top-level shapes and groups, in a large scene on a second
    // thread while the mapping goes on (nothing of the mapping reads it)
    std::optional<TreePlacer> placer_;
    // declarations the statement being mapped needs, written before it
    std::string declarations_;
    long rawCounter_ = 0;
};

}  // namespace pov
