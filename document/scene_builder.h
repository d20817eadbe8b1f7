// What the scene grammar does with what it recognises: builds the objects into a document,
// fills their parameters, moves referenced objects into their groups and takes the settings
// and view values from the markers. One builder serves one read; nothing here is
// process-wide.
//
// The object under construction receives the parameters; a parameter that does not belong to
// its kind is dropped and reported. Nested blocks (a texture reference, a pigment, a colour map
// entry, a triangle or blob component inside a group) are kept on a small stack of frames, so
// that each parameter reaches the object and the part it was written for.
//
// Sizes and places: the head of a primitive (a sphere's centre and radius, a box's corners) and
// the transformations that follow it are gathered into a transformation chain per frame, which
// becomes the object's scale, rotate and translate steps when the block ends, as the writer
// would write the same shape (model/primitive_forms.h).
//
// Geometry is built once, when the read ends, for the objects at the top of the tree; groups
// nest at most kMaxGroupDepth levels, so that every walk over the tree stays shallow.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "document/read_problem.h"
#include "document/scene_token.h"
#include "document/tree_placement.h"
#include "model/pov_level.h"
#include "model/scene_host.h"
#include "model/transform_chain.h"
#include "model/vector.h"

class COrvantaDoc;
class CPovObject;
class CPovPigmentOwner;
struct SceneScannerState;

enum class SceneObjectKind {
    Box,
    Sphere,
    Cone,
    Cylinder,
    Torus,
    Plane,
    HeightField,
    Lathe,
    Polygon,
    Text,
    Triangle,
    SmoothTriangle,
    Blob,
    Camera,
    Background,
    SkySphere,
    Texture,
    Pigment,
    Halo,
};

enum class SceneLightKind { Point, Spot, Cylinder };
enum class SceneColorForm { Rgb, Rgbt, Rgbft };
enum class SceneAxis { Front, Right, Top };

// Status text while reading ("Lade Objekt %ld, Name: %s", "Verschiebe %s"); an empty text
// brings no news: the reader is busy and the window may take its turn.
using SceneProgress = std::function<void(const std::string&)>;

// A name the scene refers to, for the check that every one is declared.
struct SceneNameReference {
    enum class Kind { Texture, Pigment, Halo };
    Kind kind;
    std::string name;
    int line;
};

class SceneBuilder : private ITopLevelNames {
  public:
    // scanner: where the current line number comes from (for warnings); may be null. A read
    // with progress lets the window look at the document between its steps: its trees are
    // placed at its end, on the calling thread.
    SceneBuilder(COrvantaDoc& doc, ReadProblems& problems, SceneScannerState* scanner,
                 const SceneProgress* progress, const TreePlacement& placement = {});
    ~SceneBuilder() override;
    SceneBuilder(const SceneBuilder&) = delete;
    SceneBuilder& operator=(const SceneBuilder&) = delete;

    // objects finished in this read
    long ObjectCount() const { return objectCount_; }
    // the names of textures, pigments and halos the objects refer to, in the order met;
    // handed over once, at the end of the read
    std::vector<SceneNameReference> TakeReferences() { return std::move(references_); }
    // End of input: an object still under construction was not read completely and is
    // discarded; the geometry of the objects read is built.
    void Finish();

    // problems
    void Warn(std::string message);
    // offset: where in the text the token that does not fit starts; atEnd: the file ended
    void SyntaxError(std::size_t offset, std::string message, bool atEnd);
    // The parser's stack is full: reading ends.
    void NestingTooDeep(std::size_t offset);
    // After a syntax error: the statement being read is given up (see Finish).
    void Recover();
    // A keyword or construct the modeller does not keep.
    void NotRead(std::string_view what);
    // "#if", "#while", ...: not evaluated.
    void Directive(std::string_view text);
    // "#declare R = 2.5;": the value is not kept.
    void DeclaredValue();

    // header markers
    void Author(std::string_view text);
    void Company(std::string_view text);
    // breakAfter: the comment goes on with an empty line (it ended with a line break)
    void CommentLine(std::string_view text, bool breakAfter);
    void ShowInfos();
    // the level marker: a PovLevel
    void PovLevel(int level);
    void PredefinedMarker();
    // "#ifdef (ORVANTA_INVOKED)" and "#end": the parts of a predefined object stand between
    // them. Their geometry is built with the object's (they all become its members), or at
    // the end for any that does not.
    void Guard(bool begin);
    void Zoom(SceneAxis axis, double value);
    void Grid(SceneAxis axis, double value);
    // an include line of the user list
    void Include(std::string_view file);
    // an include line elsewhere: the standard includes are the writer's own, others become
    // user includes
    void IncludeLine(std::string_view file);
    // POV-Ray text kept as it is, from its first marker line to its end marker; closed is false
    // when the end marker is missing (scene_builder_raw.cpp)
    void RawElement(std::string_view text, bool closed);

    // statements
    void BeginDeclaration(std::string_view name);
    void BeginObject(SceneObjectKind kind);
    // a CSG operation: a group, or a predefined object when its marker is pending
    void BeginGroup(std::string_view operation);
    void BeginFog(std::string_view type);
    void BeginFogNumber(double type);
    // A light is built when its kind is known, at its end; until then its values wait here.
    void BeginLight();
    void LightPosition();
    void LightKind(SceneLightKind kind);
    // end of a declaration or of an object statement without one
    void EndObject();
    // end of a camera, background or sky sphere statement
    void EndStatement();
    // "object { name ... }" outside a group: the object is already in the scene; the
    // transformations in the block move it (at its first instance)
    void BeginInstance(std::string_view name);
    // end of any nested block (texture reference, pigment, normal, map, instance, reference)
    void CloseBlock();

    // groups and blobs
    void Reference(std::string_view name);
    void MemberName(std::string_view name);
    // a triangle inside a group, a sphere or cylinder inside a blob
    void BeginMember(SceneObjectKind kind);
    void EndMember();

    // values
    // The vector the following rule takes (a number stands for all its components).
    void SetVector(const SceneToken& value);
    // The number of a value; a vector where a number belongs gives its first component.
    double ScalarOf(const SceneToken& value);
    void Number(double value);
    void Name(std::string_view name);

    // geometry of the kinds
    // the values of a primitive's head, in order
    void HeadValue(const SceneToken& value, bool vector);
    // the head is complete: its form becomes the start of the object's transformation
    void Head();
    void ImageFile(std::string_view file);
    void SplineType(std::string_view name);
    void Point();
    void TextHead(std::string_view font, std::string_view text, double thickness);
    void TriangleCorner();
    void TriangleNormal();
    void Strength(double value);
    void Threshold(double value);
    void Smooth();
    void WaterLevel(double value);

    // modifiers (of the vector set last)
    void Scale();
    void Rotate();
    void Translate();
    // POV-Ray's "matrix <...>" of twelve values
    void Matrix(const SceneToken& values);
    void QuickColor();
    void Hollow();
    void TextureReference(std::string_view name);
    void OpenInlineTexture();

    // colours
    void ColorFromVector(SceneColorForm form);
    void ColorName(std::string_view name);
    void Color();
    void Filter(double value);

    // pigments and textures
    // A pigment, normal or finish written directly in an object goes to a texture of the scene
    // made for that object (as a texture block in the object would).
    void OpenPigment();
    void OpenNormal();
    void OpenFinish();
    void OpenColorMap();
    void OpenPigmentMap();
    void OpenImageMap();
    void OpenBumpMap();
    void BeginMapEntry(double position);
    void EndMapEntry();
    void Pattern(std::string_view name);
    void Control(int index, double value);
    void MapType(int type);
    void Turbulence();
    void Octaves(double value);
    void Omega(double value);
    void Lambda(double value);
    void Ambient();
    void AmbientLevel(double value);
    void Phong(double value);
    void PhongSize(double value);
    void Refraction();
    void Ior(double value);
    void Metallic();
    void Diffuse(double value);
    void Brilliance(double value);
    void Crand(double value);
    void Reflection(double value);
    void HaloReference(std::string_view name);

    // camera and lights
    void Location();
    void LookAt();
    void PointAt();
    void Radius(double value);
    void Falloff(double value);
    void Tightness(double value);

    // fog
    void Up();
    void Distance(double value);
    void FogOffset(double value);
    void FogAlt(double value);

    // halo
    void HaloType(std::string_view name);
    void DensityFunction(std::string_view name);
    void Mapping(std::string_view name);
    void DustType(std::string_view name);
    void Eccentricity(double value);
    void MaxValue(double value);
    void Exponent(double value);
    void Samples(double value);
    void AaLevel(double value);
    void AaThreshold(double value);
    void Jitter(double value);

  private:
    enum class Block {
        Object,
        Instance,
        TextureReference,
        InlineTexture,
        Pigment,
        Normal,
        Finish,
        ColorMap,
        PigmentMap,
        ImageMap,
        BumpMap,
        MapEntry,
        Member,
    };
    struct Frame {
        Block block{};
        // the object this block's parameters go to; null drops them
        CPovObject* target = nullptr;
        // texture reference: step lines met; normal: a pattern or bump map met
        bool filled = false;
        // the head and the transformations read in this block, and whether there were any
        TransformChain chain;
        bool transformed = false;
        // a block dropped as a whole has been reported: what is inside it is not again
        bool reported = false;
    };
    // what the numbers after a name or pattern keyword are for
    enum class NumberSink { None, Pattern, Normal, BumpSize };

    struct PendingLight {
        bool active = false;
        SceneLightKind kind = SceneLightKind::Point;
        Vector position;
        bool hasColor = false;
        unsigned color = 0xFFFFFF;
        bool hasPointAt = false;
        Vector pointAt;
        bool hasRadius = false, hasFalloff = false, hasTightness = false;
        double radius = 0.0, falloff = 0.0, tightness = 0.0;
        TransformChain chain;
    };

    struct MapEntry {
        double position = 0.0;
        bool hasColor = false;
        unsigned color = 0;
        double filter = 0.0;
        double transmit = 1.0;
        std::string name;
    };

    int Line() const;
    void Progress(const char* format, long count, const std::string& name);
    // what the current block is, for messages: "sphere", "finish", "camera"
    std::string BlockName() const;
    // Reports that what the current block holds has no place in it, unless the block was
    // dropped and reported as a whole.
    void Dropped(std::string_view what);
    // Pushes a block that is dropped as a whole, reported once.
    void PushDropped(Block block, std::string_view what);

    // the object parameters go to, or null
    CPovObject* Target() const { return frames_.empty() ? nullptr : frames_.back().target; }
    Block CurrentBlock() const { return frames_.empty() ? Block::Instance : frames_.back().block; }
    // the pigment owner whose pigment the current block describes, or null
    CPovPigmentOwner* PigmentTarget() const;
    void Push(Block block, CPovObject* target);

    // Inserts a new object at the head of its list and makes it the object under
    // construction.
    void Start(CPovObject* object, CPovObject** list);
    // the chain a transformation of the current block joins, or null when it is dropped
    TransformChain* ModifierChain(const char* keyword);
    // The chain of a block that ends becomes its target's steps (or, for a camera, moves its
    // points).
    void ApplyChain(const Frame& frame);
    void SetSteps(CPovObject* object, const TransformChain& chain, bool texture);
    // Groups nest at most kMaxGroupDepth levels: how many levels of groups object holds.
    int GroupHeight(const CPovObject* object) const;
    Vector LastVector() const;
    unsigned LastColor() const;
    void StoreLight();
    // Gives up the object under construction: a group hands its members back to the scene.
    void Discard();
    void ResetStatement();
    // the texture that holds what is written directly in object (made at the first need)
    CPovObject* ImplicitTexture(CPovObject* object);
    // the texture a pigment, normal or finish block in the current block describes, or null
    CPovObject* SurfaceTarget();
    // Index of the top-level names: the first object in list order with that name.
    void IndexName(CPovObject* object);
    // Indexes the document's top-level objects; done at the first reference, so that reading
    // a scene without groups keeps no index.
    void BuildIndex();
    CPovObject* FindTopLevel(std::string_view name);
    // The document's top-level names while this builder fills it: the first few checks walk
    // the list, then the index answers (a scene of many groups needs it for their references
    // anyway, and a mesh export under one predefined object is spared it).
    bool IsTaken(std::string_view name) override;
    // The next part declared in the current guard block, when it has the name: a predefined
    // object refers to its parts in the order they were declared, which finds the right part
    // even when names repeat elsewhere in the scene.
    CPovObject* NextGuardedPart(std::string_view name);
    void AppendMember(CPovObject* group, CPovObject* member);

    COrvantaDoc& doc_;
    ReadProblems& problems_;
    SceneScannerState* scanner_;
    const SceneProgress* progress_;

    // the statement being read and the line it began on
    CPovObject* object_ = nullptr;
    int statementLine_ = 0;
    // the document list that holds object_
    CPovObject** list_ = nullptr;
    bool insideDeclaration_ = false;
    std::string declaredName_;
    std::vector<Frame> frames_;
    // the last member of the group under construction (appending stays O(1))
    CPovObject* lastMember_ = nullptr;
    std::string memberName_;
    // the triangle receiving corners and how many it has
    CPovObject* triangle_ = nullptr;
    int corners_ = 0;
    PendingLight light_;
    MapEntry entry_;
    int skyPigments_ = 0;
    // textures made for objects that write their pigment, normal or finish directly
    std::unordered_map<CPovObject*, CPovObject*> implicitTextures_;
    // the values of the head of the primitive being read, its kind and the kind of the member
    // being read
    std::vector<SceneToken> head_;
    SceneObjectKind headKind_ = SceneObjectKind::Box;
    SceneObjectKind memberKind_ = SceneObjectKind::Sphere;
    // what the special pointers held before a camera, background or sky sphere statement
    CPovObject* previousSpecial_ = nullptr;

    // builds the geometry of the objects this read finishes: at its end, or in a batch read
    // partly on a second thread meanwhile
    TreePlacer placer_;
    // group levels of the groups finished in this read
    std::unordered_map<const CPovObject*, int> heights_;
    // objects whose first instance was met: one per top-level object of a large scene, so
    // their entries come from one buffer that the read gives back at its end in one piece
    std::pmr::monotonic_buffer_resource instancedMemory_;
    std::pmr::unordered_set<const CPovObject*> instanced_{&instancedMemory_};
    // The instance mostly follows its object's declaration at once: that object is known not
    // to be instanced yet, and is listed here instead of the set, which takes the listed ones
    // only when an instance elsewhere needs it.
    CPovObject* notInstanced_ = nullptr;
    std::vector<const CPovObject*> instancedUnhashed_;
    std::vector<SceneNameReference> references_;

    // values
    std::array<double, 5> vector_{};
    int vectorCount_ = 0;
    unsigned color_ = 0;
    double colorFilter_ = 0.0;
    double colorTransmit_ = 1.0;
    bool colorValid_ = false;
    // index of the colour just stored in a pigment (for "filter"), or -1
    int lastColorIndex_ = -1;
    NumberSink numberSink_ = NumberSink::None;
    int numberIndex_ = 0;

    // settings
    int predefinedPending_ = 0;
    int guardDepth_ = 0;
    // the top-level objects declared inside the guard, in order
    std::vector<CPovObject*> guarded_;
    // the first part of the current guard block not yet taken by a predefined object
    size_t guardCursor_ = 0;
    bool commentStarted_ = false;
    long objectCount_ = 0;

    // Open addressing, one slot per name. A name held by one object keeps it in the slot;
    // one held by several keeps a stack of them, the first in list order on top (an object
    // handed back to the scene is pushed again). Objects moved into a group or deleted are
    // dropped from the top when met, so every lookup is O(1) on average.
    struct NameSlot {
        // the name, pointing into the name of the first object indexed under it
        std::string_view key;
        uint32_t hash = 0;
        CPovObject* single = nullptr;
        int stack = -1;
    };
    NameSlot* FindSlot(std::string_view name, uint32_t hash);
    bool indexBuilt_ = false;
    ITopLevelNames* previousNames_ = nullptr;
    int checksWithoutIndex_ = 0;
    std::vector<NameSlot> names_;
    size_t namesUsed_ = 0;
    std::vector<std::vector<CPovObject*>> stacks_;
};
