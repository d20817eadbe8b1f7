/* The scene file grammar: the text that the writer produces, and the same dialect written by
 * hand or by other programs. The rules only recognise the structure; every effect goes through
 * the SceneBuilder, which knows the object under construction and checks the kinds.
 *
 * Errors: a statement that does not parse is reported with its line and skipped; reading goes
 * on with the next statement (after three tokens that parse, errors are reported again). */

%define api.pure full
%define api.prefix {scene_yy}
%define api.value.type {SceneToken}
%define api.location.type {SceneLocation}
%locations
%param {yyscan_t scanner}
%parse-param {SceneBuilder& b}
%expect 0

%code requires {
#include "document/scene_token.h"
class SceneBuilder;
typedef void* yyscan_t;
}

%code {
#include "document/scene_builder.h"

int scene_yylex(SCENE_YYSTYPE* value, SCENE_YYLTYPE* location, yyscan_t scanner);
void scene_yyerror(SCENE_YYLTYPE* location, yyscan_t scanner, SceneBuilder& b,
                   const char* message);

// The parser's stacks never grow: the grammar nests only a few levels deep, and a fixed stack
// keeps the parser free of allocations (an error cannot leak one).
#define YYINITDEPTH 150
#define YYMAXDEPTH 150

#define YYLLOC_DEFAULT(current, rhs, n) \
    ((current).offset = (n) ? YYRHSLOC(rhs, 1).offset : YYRHSLOC(rhs, 0).offset)

using K = SceneObjectKind;
}

%token T_NUMBER T_VECTOR T_NAME T_STRING T_BAD_QUOTE
%token T_AUTHOR_TEXT T_COMPANY_TEXT T_COMMENT_TEXT T_COMMENT_BREAK
%token T_SHOWINFOS T_USEPOV2 T_USEPOV3 T_USEPOV37 T_OPEN_POV37 T_PREDEFINED T_INCLUDE T_GUARD_BEGIN T_GUARD_END
%token T_ZOOM_FRONT T_ZOOM_RIGHT T_ZOOM_TOP T_GRID_FRONT T_GRID_RIGHT T_GRID_TOP
%token T_QUICKCOLOR T_DECLARE T_DECLARE_MARKER T_RAW T_RAW_OPEN
%token T_CSG_OP T_PATTERN T_HALO_TYPE T_DENSITY T_MAPPING T_MAP_TYPE
%token K_TEXTURE K_BUMP_MAP K_PIGMENT K_PIGMENT_MAP K_COLOR K_RGB K_RGBT K_RGBFT
%token K_LOOK_AT K_LOCATION K_CAMERA K_TORUS K_TRANSLATE K_SCALE K_ROTATE
%token K_BOX K_CONE K_SPHERE K_CYLINDER K_LIGHT_SOURCE K_BACKGROUND K_OBJECT
%token K_SMOOTH K_WATER_LEVEL K_HEIGHT_FIELD K_IMAGE_MAP K_FILTER K_NORMAL
%token K_CONTROL0 K_CONTROL1 K_COLOR_MAP K_TURBULENCE K_TURB_DEPTH K_OMEGA K_OCTAVES K_LAMBDA
%token K_PLANE K_FINISH K_AMBIENT K_PHONG K_PHONG_SIZE K_REFRACTION K_IOR K_METALLIC
%token K_DIFFUSE K_BRILLIANCE K_CRAND K_REFLECTION K_SKY_SPHERE K_FOG K_FOG_TYPE K_UP
%token K_FOG_ALT K_FOG_OFFSET K_DISTANCE K_SPOTLIGHT K_POINT_AT K_RADIUS K_FALLOFF
%token K_TIGHTNESS K_LATHE K_POLYGON K_BLOB K_SMOOTH_TRIANGLE K_TRIANGLE K_HOLLOW K_HALO
%token K_DUST_TYPE K_ECCENTRICITY K_EXPONENT K_MAX_VALUE K_SAMPLES K_AA_LEVEL
%token K_AA_THRESHOLD K_THRESHOLD K_JITTER K_STRENGTH K_TEXT K_TTF K_GLOBAL_SETTINGS

%%

file
    : %empty
    | file statement
    ;

statement
    : header_item
    | T_DECLARE T_NAME[name] { b.BeginDeclaration($name.View()); } '=' declared_body
        { b.EndObject(); }
    | object_body { b.EndObject(); }
    | K_OBJECT '{' T_NAME { b.BeginInstance(); } items '}' { b.CloseBlock(); }
    | K_FOG '{' T_NAME '}'
    | K_CAMERA { b.BeginObject(K::Camera); } '{' camera_items '}' { b.EndStatement(); }
    | K_BACKGROUND { b.BeginObject(K::Background); } '{' items '}' { b.EndStatement(); }
    | K_SKY_SPHERE { b.BeginObject(K::SkySphere); } '{' named_items '}' { b.EndStatement(); }
    | T_RAW { b.RawElement($1.View(), true); }
    | T_RAW_OPEN { b.RawElement($1.View(), false); }
    /* the writer states the gamma for POV-Ray 3.7 and writes it again from the level */
    | K_GLOBAL_SETTINGS '{' global_items '}'
    | error { b.Recover(); }
    ;

header_item
    : T_AUTHOR_TEXT { b.Author($1.View()); }
    | T_COMPANY_TEXT { b.Company($1.View()); }
    | T_COMMENT_TEXT { b.CommentLine($1.View(), false); }
    | T_COMMENT_BREAK { b.CommentLine($1.View(), true); }
    | T_SHOWINFOS { b.ShowInfos(); }
    | T_USEPOV2 { b.PovLevel(kPovLevel2); }
    | T_USEPOV3 { b.PovLevel(kPovLevel30); }
    | T_USEPOV37 { b.PovLevel(kPovLevel37); }
    | T_OPEN_POV37 { b.UnterminatedPov37Text(); }
    | T_PREDEFINED { b.PredefinedMarker(); }
    | T_GUARD_BEGIN { b.Guard(true); }
    | T_GUARD_END { b.Guard(false); }
    | T_ZOOM_FRONT T_NUMBER { b.Zoom(SceneAxis::Front, $2.number); }
    | T_ZOOM_RIGHT T_NUMBER { b.Zoom(SceneAxis::Right, $2.number); }
    | T_ZOOM_TOP T_NUMBER { b.Zoom(SceneAxis::Top, $2.number); }
    | T_GRID_FRONT T_NUMBER { b.Grid(SceneAxis::Front, $2.number); }
    | T_GRID_RIGHT T_NUMBER { b.Grid(SceneAxis::Right, $2.number); }
    | T_GRID_TOP T_NUMBER { b.Grid(SceneAxis::Top, $2.number); }
    | T_INCLUDE T_STRING { b.Include($2.View()); }
    ;

declared_body
    : object_body
    | K_TEXTURE { b.BeginObject(K::Texture); } '{' items '}'
    | K_PIGMENT { b.BeginObject(K::Pigment); } '{' named_items '}'
    | K_HALO { b.BeginObject(K::Halo); } '{' items '}'
    ;

object_body
    : K_BOX { b.BeginObject(K::Box); } '{' vector opt_comma vector items '}'
    | K_SPHERE { b.BeginObject(K::Sphere); } '{' vector opt_comma T_NUMBER items '}'
    | K_CONE { b.BeginObject(K::Cone); }
        '{' vector opt_comma T_NUMBER opt_comma vector opt_comma T_NUMBER items '}'
    | K_CYLINDER { b.BeginObject(K::Cylinder); }
        '{' vector opt_comma vector opt_comma T_NUMBER items '}'
    | K_TORUS { b.BeginObject(K::Torus); }
        '{' T_NUMBER opt_comma T_NUMBER[minor] { b.TorusMinorRadius($minor.number); } items '}'
    | K_PLANE { b.BeginObject(K::Plane); } '{' vector opt_comma T_NUMBER items '}'
    | K_HEIGHT_FIELD { b.BeginObject(K::HeightField); }
        '{' image_type T_STRING[file] { b.ImageFile($file.View()); } items '}'
    | K_LATHE { b.BeginObject(K::Lathe); }
        '{' opt_spline T_NUMBER opt_comma points items '}'
    | K_POLYGON { b.BeginObject(K::Polygon); } '{' T_NUMBER opt_comma points items '}'
    | K_TEXT { b.BeginObject(K::Text); }
        '{' K_TTF T_STRING[font] T_STRING[text] T_NUMBER[thickness] opt_comma vector_arg
        { b.TextHead($font.View(), $text.View(), $thickness.number); } items '}'
    | K_TRIANGLE { b.BeginObject(K::Triangle); } '{' triangle_corners items '}'
    | K_SMOOTH_TRIANGLE { b.BeginObject(K::SmoothTriangle); } '{' smooth_corners items '}'
    | T_CSG_OP { b.BeginGroup($1.View()); } '{' group_items '}'
    | K_BLOB { b.BeginObject(K::Blob); } '{' blob_items '}'
    | K_LIGHT_SOURCE { b.BeginLight(); } '{' vector { b.LightPosition(); } light_items '}'
    | K_FOG '{' fog_type items '}'
    ;

fog_type
    : %empty { b.BeginFog(""); }
    | K_FOG_TYPE T_NAME { b.BeginFog($2.View()); }
    | K_FOG_TYPE T_NUMBER { b.BeginFogNumber($2.number); }
    ;

opt_spline
    : %empty
    | T_NAME { b.SplineType($1.View()); }
    ;

points
    : point
    | points opt_comma point
    ;

point
    : vector { b.Point(); }
    ;

triangle_corners
    : corner opt_comma corner opt_comma corner
    ;

smooth_corners
    : corner opt_comma corner_normal opt_comma corner opt_comma corner_normal
        opt_comma corner opt_comma corner_normal
    ;

corner
    : vector { b.TriangleCorner(); }
    ;

corner_normal
    : vector { b.TriangleNormal(); }
    ;

group_items
    : %empty
    | group_items group_item
    ;

group_item
    : item
    | K_OBJECT '{' T_NAME { b.Reference($3.View()); } items '}' { b.CloseBlock(); }
    | K_TRIANGLE { b.BeginMember(K::Triangle); } '{' triangle_corners items '}'
        { b.EndMember(); }
    | K_SMOOTH_TRIANGLE { b.BeginMember(K::SmoothTriangle); } '{' smooth_corners items '}'
        { b.EndMember(); }
    ;

blob_items
    : %empty
    | blob_items blob_item
    ;

blob_item
    : item
    | T_DECLARE_MARKER T_NAME { b.MemberName($2.View()); } blob_component
    | blob_component
    ;

blob_component
    : K_SPHERE { b.BeginMember(K::Sphere); } '{' vector opt_comma T_NUMBER items '}'
        { b.EndMember(); }
    | K_CYLINDER { b.BeginMember(K::Cylinder); }
        '{' vector opt_comma vector opt_comma T_NUMBER items '}' { b.EndMember(); }
    ;

light_items
    : %empty
    | light_items light_item
    ;

light_item
    : item
    | K_SPOTLIGHT { b.LightKind(SceneLightKind::Spot); }
    | K_CYLINDER { b.LightKind(SceneLightKind::Cylinder); }
    | unknown_item
    ;

global_items
    : %empty
    | global_items unknown_item
    ;

camera_items
    : %empty
    | camera_items camera_item
    ;

camera_item
    : item
    | unknown_item
    ;

/* POV-Ray keywords the modeller does not keep ("angle 45", "right <-1.33,0,0>",
 * "shadowless"): ignored with what follows them */
unknown_item
    : T_NAME unknown_values
    ;

unknown_values
    : %empty
    | unknown_values unknown_value
    ;

unknown_value
    : T_NUMBER | vector | ','
    ;

items
    : %empty
    | items item
    ;

/* items with names of their own: pattern names, pigment names, "once" */
named_items
    : %empty
    | named_items named_item
    ;

named_item
    : item
    | T_NAME { b.Name($1.View()); } numbers
    ;

/* Everything that may stand inside a body. The builder drops what does not belong to the
 * object under construction. */
item
    : K_SCALE vector_arg { b.Scale(); }
    | K_ROTATE vector_arg { b.Rotate(); }
    | K_TRANSLATE vector_arg { b.Translate(); }
    | T_QUICKCOLOR vector { b.QuickColor(); }
    | K_HOLLOW { b.Hollow(); }
    | K_TEXTURE '{' T_NAME { b.TextureReference($3.View()); } items '}' { b.CloseBlock(); }
    | K_TEXTURE '{' { b.OpenInlineTexture(); } items '}' { b.CloseBlock(); }
    | K_PIGMENT { b.OpenPigment(); } '{' named_items '}' { b.CloseBlock(); }
    | K_NORMAL { b.OpenNormal(); } '{' named_items '}' { b.CloseBlock(); }
    | K_FINISH { b.OpenFinish(); } '{' items '}' { b.CloseBlock(); }
    | K_HALO '{' T_NAME '}' { b.HaloReference($3.View()); }
    | K_COLOR color_value { b.Color(); }
    | rgb_value { b.Color(); }
    | K_FILTER T_NUMBER { b.Filter($2.number); }
    | T_PATTERN { b.Pattern($1.View()); } numbers
    | K_CONTROL0 T_NUMBER { b.Control(0, $2.number); }
    | K_CONTROL1 T_NUMBER { b.Control(1, $2.number); }
    | K_COLOR_MAP { b.OpenColorMap(); } '{' map_entries '}' { b.CloseBlock(); }
    | K_PIGMENT_MAP { b.OpenPigmentMap(); } '{' map_entries '}' { b.CloseBlock(); }
    | K_IMAGE_MAP { b.OpenImageMap(); }
        '{' image_type T_STRING[file] { b.ImageFile($file.View()); } named_items '}'
        { b.CloseBlock(); }
    | K_BUMP_MAP { b.OpenBumpMap(); }
        '{' image_type T_STRING[file] { b.ImageFile($file.View()); } named_items '}'
        { b.CloseBlock(); }
    | T_MAP_TYPE { b.MapType(static_cast<int>($1.number)); }
    | K_TURBULENCE vector_arg { b.Turbulence(); }
    | K_OCTAVES T_NUMBER { b.Octaves($2.number); }
    | K_OMEGA T_NUMBER { b.Omega($2.number); }
    | K_LAMBDA T_NUMBER { b.Lambda($2.number); }
    | K_TURB_DEPTH T_NUMBER
    | K_AMBIENT K_COLOR color_value { b.Ambient(); }
    | K_AMBIENT rgb_value { b.Ambient(); }
    | K_AMBIENT T_NUMBER { b.AmbientLevel($2.number); }
    | K_PHONG T_NUMBER { b.Phong($2.number); }
    | K_PHONG_SIZE T_NUMBER { b.PhongSize($2.number); }
    | K_REFRACTION { b.Refraction(); }
    | K_IOR T_NUMBER { b.Ior($2.number); }
    | K_METALLIC { b.Metallic(); } numbers
    | K_DIFFUSE T_NUMBER { b.Diffuse($2.number); }
    | K_BRILLIANCE T_NUMBER { b.Brilliance($2.number); }
    | K_CRAND T_NUMBER { b.Crand($2.number); }
    | K_REFLECTION T_NUMBER { b.Reflection($2.number); }
    | K_LOCATION vector_arg { b.Location(); }
    | K_LOOK_AT vector_arg { b.LookAt(); }
    | K_POINT_AT vector_arg { b.PointAt(); }
    | K_RADIUS T_NUMBER { b.Radius($2.number); }
    | K_FALLOFF T_NUMBER { b.Falloff($2.number); }
    | K_TIGHTNESS T_NUMBER { b.Tightness($2.number); }
    | K_STRENGTH T_NUMBER { b.Strength($2.number); }
    | K_THRESHOLD T_NUMBER { b.Threshold($2.number); }
    | K_SMOOTH { b.Smooth(); }
    | K_WATER_LEVEL T_NUMBER { b.WaterLevel($2.number); }
    | K_UP vector_arg { b.Up(); }
    | K_DISTANCE T_NUMBER { b.Distance($2.number); }
    | K_FOG_OFFSET T_NUMBER { b.FogOffset($2.number); }
    | K_FOG_ALT T_NUMBER { b.FogAlt($2.number); }
    | T_HALO_TYPE { b.HaloType($1.View()); }
    | T_DENSITY { b.DensityFunction($1.View()); }
    | T_MAPPING { b.Mapping($1.View()); }
    | K_DUST_TYPE T_NAME { b.DustType($2.View()); }
    | K_ECCENTRICITY T_NUMBER { b.Eccentricity($2.number); }
    | K_MAX_VALUE T_NUMBER { b.MaxValue($2.number); }
    | K_EXPONENT T_NUMBER { b.Exponent($2.number); }
    | K_SAMPLES T_NUMBER { b.Samples($2.number); }
    | K_AA_LEVEL T_NUMBER { b.AaLevel($2.number); }
    | K_AA_THRESHOLD T_NUMBER { b.AaThreshold($2.number); }
    | K_JITTER T_NUMBER { b.Jitter($2.number); }
    ;

/* sets the colour that the item rules then store */
color_value
    : rgb_value
    | T_NAME { b.ColorName($1.View()); }
    ;

rgb_value
    : K_RGB vector_arg { b.ColorFromVector(SceneColorForm::Rgb); }
    | K_RGBT vector_arg { b.ColorFromVector(SceneColorForm::Rgbt); }
    | K_RGBFT vector_arg { b.ColorFromVector(SceneColorForm::Rgbft); }
    ;

map_entries
    : %empty
    | map_entries map_entry
    ;

map_entry
    : '[' T_NUMBER { b.BeginMapEntry($2.number); } named_items ']' { b.EndMapEntry(); }
    ;

/* the image type word before a file name: the last three characters of the name as written */
image_type
    : %empty
    | image_type image_word
    ;

image_word
    : T_NAME | T_NUMBER | T_VECTOR | '.' | ',' | '<' | '>' | '[' | ']' | '=' | '{' | '}'
    | K_BOX | K_FOG | K_IOR | K_RGB | K_TTF | K_UP
    ;

numbers
    : %empty
    | numbers T_NUMBER { b.Number($2.number); }
    ;

vector
    : T_VECTOR { b.WholeVector($1.components, $1.count); }
    | '<' { b.BeginVector(); } components '>'
    ;

components
    : T_NUMBER { b.Component($1.number); }
    | components T_NUMBER { b.Component($2.number); }
    | components ',' T_NUMBER { b.Component($3.number); }
    ;

vector_arg
    : vector
    | T_NUMBER { b.ScalarVector($1.number); }
    ;

opt_comma
    : %empty
    | ','
    ;

%%

void scene_yyerror(SCENE_YYLTYPE* location, yyscan_t, SceneBuilder& b, const char* message) {
    b.SyntaxError(location ? location->offset : 0, message);
}
