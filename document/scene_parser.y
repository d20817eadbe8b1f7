/* The scene file grammar: the text that the writer produces, and the same dialect written by
 * hand or by other programs. The rules only recognise the structure and compute the values
 * (numbers, vectors and their arithmetic); every effect goes through the SceneBuilder, which
 * knows the object under construction, checks the kinds and reports what it cannot take.
 *
 * Errors: a syntax error names what was found and what was expected. The statement it breaks
 * is dropped up to its closing brace (the scanner skips the rest of it) and reading goes on
 * with the next statement. */

%define api.pure full
%define api.prefix {scene_yy}
%define api.value.type {SceneToken}
%define api.location.type {SceneLocation}
%define parse.error custom
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
#include <string>
#include <utility>

#include "document/scene_builder.h"
#include "document/scene_scanner_state.h"
#include "document/scene_values.h"

int scene_yylex(SCENE_YYSTYPE* value, SCENE_YYLTYPE* location, yyscan_t scanner);
void scene_yyerror(SCENE_YYLTYPE* location, yyscan_t scanner, SceneBuilder& b,
                   const char* message);
SceneScannerState* scene_yyget_extra(yyscan_t scanner);

// The parser's stacks never grow: the grammar nests only a few levels deep, and a fixed stack
// keeps the parser free of allocations (an error cannot leak one). Text that nests deeper ends
// the read with a problem.
#define YYINITDEPTH 150
#define YYMAXDEPTH 150

#define YYLLOC_DEFAULT(current, rhs, n) \
    ((current).offset = (n) ? YYRHSLOC(rhs, 1).offset : YYRHSLOC(rhs, 0).offset)

using K = SceneObjectKind;
namespace sv = scene_values;

namespace {

SceneToken Combine(SceneBuilder& b, const SceneToken& l, sv::Op op, const SceneToken& r) {
    bool dividedByZero = false;
    SceneToken result = sv::Combine(l, op, r, dividedByZero);
    if (dividedByZero)
        b.Warn("Division by zero (read as 0)");
    return result;
}

}  // namespace
}

%token T_NUMBER "a number"
%token T_VECTOR "a vector"
%token T_NAME "a name"
%token T_AXIS "an axis (x, y or z)"
%token T_STRING "a quoted text"
%token T_BAD_QUOTE "a quote that its line does not close"
%token T_AUTHOR_TEXT T_COMPANY_TEXT T_COMMENT_TEXT T_COMMENT_BREAK
%token T_SHOWINFOS T_USEPOV2 T_USEPOV3 T_USEPOV37 T_PREDEFINED
%token T_INCLUDE "\"#include\"" T_INCLUDE_LINE "an include line"
%token T_GUARD_BEGIN "\"#ifdef (ORVANTA_INVOKED)\"" T_GUARD_END "\"#end\""
%token T_DIRECTIVE "a directive"
%token T_ZOOM_FRONT T_ZOOM_RIGHT T_ZOOM_TOP T_GRID_FRONT T_GRID_RIGHT T_GRID_TOP
%token T_QUICKCOLOR "\"//$quickcolor:$\"" T_DECLARE "\"#declare\""
%token T_DECLARE_MARKER "\"//$declare$\""
%token T_RAW "a raw element" T_RAW_OPEN "a raw element without its end marker"
%token T_CSG_OP "a CSG operation" T_PATTERN "a pattern" T_HALO_TYPE "a halo type"
%token T_DENSITY "a density function" T_MAPPING "a mapping" T_MAP_TYPE "a map type"
%token K_TEXTURE "\"texture\""
%token K_BUMP_MAP "\"bump_map\""
%token K_PIGMENT "\"pigment\""
%token K_PIGMENT_MAP "\"pigment_map\""
%token K_COLOR "\"color\""
%token K_RGB "\"rgb\""
%token K_RGBT "\"rgbt\""
%token K_RGBFT "\"rgbft\""
%token K_LOOK_AT "\"look_at\""
%token K_LOCATION "\"location\""
%token K_CAMERA "\"camera\""
%token K_TORUS "\"torus\""
%token K_TRANSLATE "\"translate\""
%token K_SCALE "\"scale\""
%token K_ROTATE "\"rotate\""
%token K_BOX "\"box\""
%token K_CONE "\"cone\""
%token K_SPHERE "\"sphere\""
%token K_CYLINDER "\"cylinder\""
%token K_LIGHT_SOURCE "\"light_source\""
%token K_BACKGROUND "\"background\""
%token K_OBJECT "\"object\""
%token K_SMOOTH "\"smooth\""
%token K_WATER_LEVEL "\"water_level\""
%token K_HEIGHT_FIELD "\"height_field\""
%token K_IMAGE_MAP "\"image_map\""
%token K_FILTER "\"filter\""
%token K_NORMAL "\"normal\""
%token K_CONTROL0 "\"control0\""
%token K_CONTROL1 "\"control1\""
%token K_COLOR_MAP "\"color_map\""
%token K_TURBULENCE "\"turbulence\""
%token K_TURB_DEPTH "\"turb_depth\""
%token K_OMEGA "\"omega\""
%token K_OCTAVES "\"octaves\""
%token K_LAMBDA "\"lambda\""
%token K_PLANE "\"plane\""
%token K_FINISH "\"finish\""
%token K_AMBIENT "\"ambient\""
%token K_PHONG "\"phong\""
%token K_PHONG_SIZE "\"phong_size\""
%token K_REFRACTION "\"refraction 1\""
%token K_IOR "\"ior\""
%token K_METALLIC "\"metallic\""
%token K_DIFFUSE "\"diffuse\""
%token K_BRILLIANCE "\"brilliance\""
%token K_CRAND "\"crand\""
%token K_REFLECTION "\"reflection\""
%token K_SKY_SPHERE "\"sky_sphere\""
%token K_FOG "\"fog\""
%token K_FOG_TYPE "\"fog_type\""
%token K_UP "\"up\""
%token K_FOG_ALT "\"fog_alt\""
%token K_FOG_OFFSET "\"fog_offset\""
%token K_DISTANCE "\"distance\""
%token K_SPOTLIGHT "\"spotlight\""
%token K_POINT_AT "\"point_at\""
%token K_RADIUS "\"radius\""
%token K_FALLOFF "\"falloff\""
%token K_TIGHTNESS "\"tightness\""
%token K_LATHE "\"lathe\""
%token K_POLYGON "\"polygon\""
%token K_BLOB "\"blob\""
%token K_SMOOTH_TRIANGLE "\"smooth_triangle\""
%token K_TRIANGLE "\"triangle\""
%token K_HOLLOW "\"hollow\""
%token K_HALO "\"halo\""
%token K_DUST_TYPE "\"dust_type\""
%token K_ECCENTRICITY "\"eccentricity\""
%token K_EXPONENT "\"exponent\""
%token K_MAX_VALUE "\"max_value\""
%token K_SAMPLES "\"samples\""
%token K_AA_LEVEL "\"aa_level\""
%token K_AA_THRESHOLD "\"aa_threshold\""
%token K_THRESHOLD "\"threshold\""
%token K_JITTER "\"jitter\""
%token K_STRENGTH "\"strength\""
%token K_TEXT "\"text\""
%token K_TTF "\"ttf\""
%token K_MATRIX "\"matrix\""
%token K_GLOBAL_SETTINGS "\"global_settings\""

/* "-x" and "2 - y": binary operators bind before a value ends */
%precedence VALUE_END
%precedence T_NAME
%left '+' '-'
%left '*' '/'
%precedence UNARY

%%

file
    : %empty
    | file statement
    ;

statement
    : header_item
    | declare_head '=' declared_body { b.EndObject(); }
    | declare_head '=' declared_value { b.DeclaredValue(); }
    | object_body { b.EndObject(); }
    | K_OBJECT '{' name { b.BeginInstance($3.View()); } items '}' { b.CloseBlock(); }
    | K_FOG '{' name '}'
    | K_CAMERA { b.BeginObject(K::Camera); } '{' items '}' { b.EndStatement(); }
    | K_BACKGROUND { b.BeginObject(K::Background); } '{' items '}' { b.EndStatement(); }
    | K_SKY_SPHERE { b.BeginObject(K::SkySphere); } '{' named_items '}' { b.EndStatement(); }
    | T_RAW { b.RawElement($1.View(), true); }
    | T_RAW_OPEN { b.RawElement($1.View(), false); }
    | T_DIRECTIVE { b.Directive($1.View()); }
    /* the writer states the gamma for POV-Ray 3.7 and writes it again from the level */
    | K_GLOBAL_SETTINGS '{' global_items '}'
    /* "photons { ... }" and the like */
    | unknown_item
    /* an empty statement: POV-Ray's ";" after a declared value */
    | ';'
    | error {
          if (scene_yyget_extra(scanner)->lookaheadInStatement)
              yyclearin;
          b.Recover();
      }
    ;

declare_head
    : T_DECLARE name { b.BeginDeclaration($2.View()); }
    ;

/* values declared by name ("#declare R = 2.5;"): not kept */
declared_value
    : expr %prec VALUE_END
    | K_COLOR color_value
    | rgb_value
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
    | T_INCLUDE_LINE T_STRING { b.IncludeLine($2.View()); }
    ;

/* a name of the scene; the one-letter names x, y and z as well */
name
    : T_NAME
    | T_AXIS
    ;

declared_body
    : object_body
    | K_TEXTURE { b.BeginObject(K::Texture); } '{' items '}'
    | K_PIGMENT { b.BeginObject(K::Pigment); } '{' named_items '}'
    | K_HALO { b.BeginObject(K::Halo); } '{' items '}'
    ;

object_body
    : K_BOX { b.BeginObject(K::Box); } '{' head_vector opt_comma head_vector { b.Head(); }
        items '}'
    | K_SPHERE { b.BeginObject(K::Sphere); } '{' head_vector opt_comma head_number
        { b.Head(); } items '}'
    | K_CONE { b.BeginObject(K::Cone); }
        '{' head_vector opt_comma head_number opt_comma head_vector opt_comma head_number
        { b.Head(); } items '}'
    | K_CYLINDER { b.BeginObject(K::Cylinder); }
        '{' head_vector opt_comma head_vector opt_comma head_number { b.Head(); } items '}'
    | K_TORUS { b.BeginObject(K::Torus); }
        '{' head_number opt_comma head_number { b.Head(); } items '}'
    | K_PLANE { b.BeginObject(K::Plane); } '{' head_vector opt_comma head_number { b.Head(); }
        items '}'
    | K_HEIGHT_FIELD { b.BeginObject(K::HeightField); }
        '{' image_type T_STRING[file] { b.ImageFile($file.View()); } items '}'
    | K_LATHE { b.BeginObject(K::Lathe); }
        '{' opt_spline T_NUMBER opt_comma points items '}'
    | K_POLYGON { b.BeginObject(K::Polygon); } '{' T_NUMBER opt_comma points items '}'
    | K_TEXT { b.BeginObject(K::Text); }
        '{' K_TTF T_STRING[font] T_STRING[text] number[thickness] opt_comma vector_arg
        { b.TextHead($font.View(), $text.View(), $thickness.number); } items '}'
    | K_TRIANGLE { b.BeginObject(K::Triangle); } '{' triangle_corners items '}'
    | K_SMOOTH_TRIANGLE { b.BeginObject(K::SmoothTriangle); } '{' smooth_corners items '}'
    | T_CSG_OP { b.BeginGroup($1.View()); } '{' group_items '}'
    | K_BLOB { b.BeginObject(K::Blob); } '{' blob_items '}'
    | K_LIGHT_SOURCE { b.BeginLight(); } '{' light_position opt_comma light_items '}'
    | K_FOG '{' fog_type items '}'
    ;

/* the values in the head of a primitive: its size and place in POV-Ray's own form */
head_vector
    : expr %prec VALUE_END { b.HeadValue($1, true); }
    ;

head_number
    : expr %prec VALUE_END { b.HeadValue($1, false); }
    ;

light_position
    : expr %prec VALUE_END { b.SetVector($1); b.LightPosition(); }
    ;

/* "fog { Name }" is the use of a declared fog, not a fog with an unknown first item */
fog_type
    : %empty %prec VALUE_END { b.BeginFog(""); }
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
    : vector { b.SetVector($1); b.Point(); }
    ;

triangle_corners
    : corner opt_comma corner opt_comma corner
    ;

smooth_corners
    : corner opt_comma corner_normal opt_comma corner opt_comma corner_normal
        opt_comma corner opt_comma corner_normal
    ;

corner
    : vector { b.SetVector($1); b.TriangleCorner(); }
    ;

corner_normal
    : vector { b.SetVector($1); b.TriangleNormal(); }
    ;

group_items
    : %empty
    | group_items group_item
    ;

group_item
    : any_item
    | K_OBJECT '{' name { b.Reference($3.View()); } items '}' { b.CloseBlock(); }
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
    : any_item
    | T_DECLARE_MARKER name { b.MemberName($2.View()); } blob_component
    | blob_component
    ;

blob_component
    : K_SPHERE { b.BeginMember(K::Sphere); }
        '{' head_vector opt_comma head_number { b.Head(); } blob_strength items '}'
        { b.EndMember(); }
    | K_CYLINDER { b.BeginMember(K::Cylinder); }
        '{' head_vector opt_comma head_vector opt_comma head_number { b.Head(); }
        blob_strength items '}' { b.EndMember(); }
    ;

/* POV-Ray's form without the keyword: ", 1.5" after the radius */
blob_strength
    : %empty
    | ',' number { b.Strength($2.number); }
    | ',' K_STRENGTH number { b.Strength($3.number); }
    ;

light_items
    : %empty
    | light_items light_item
    ;

light_item
    : any_item
    | K_SPOTLIGHT { b.LightKind(SceneLightKind::Spot); }
    | K_CYLINDER { b.LightKind(SceneLightKind::Cylinder); }
    ;

global_items
    : %empty
    | global_items global_item
    ;

/* the gamma follows from the language level; any other global setting is reported */
global_item
    : T_NAME {
          if ($1.View() != "assumed_gamma")
              b.NotRead($1.View());
      } unknown_values
    | T_DIRECTIVE { b.Directive($1.View()); }
    ;

items
    : %empty
    | items any_item
    ;

any_item
    : item
    | unknown_item
    | T_DIRECTIVE { b.Directive($1.View()); }
    | T_GUARD_END
    ;

/* POV-Ray keywords the modeller does not keep ("angle 45", "specular 0.5", "photons {...}"):
 * reported and passed over with their values */
unknown_item
    : T_NAME { b.NotRead($1.View()); } unknown_values
    ;

unknown_values
    : %empty
    | unknown_values unknown_value
    ;

unknown_value
    : expr %prec VALUE_END
    | ','
    | T_STRING
    | '{' skipped '}'
    ;

/* the contents of a block that is passed over: anything, with balanced braces */
skipped
    : %empty
    | skipped skipped_token
    | skipped '{' skipped '}'
    ;

skipped_token
    : T_NUMBER | T_VECTOR | T_NAME | T_AXIS | T_STRING | T_BAD_QUOTE | T_QUICKCOLOR
    | T_DECLARE | T_DECLARE_MARKER | T_DIRECTIVE | T_GUARD_BEGIN | T_GUARD_END
    | T_CSG_OP | T_PATTERN | T_HALO_TYPE | T_DENSITY | T_MAPPING | T_MAP_TYPE
    | '[' | ']' | '<' | '>' | ',' | '.' | '=' | ';' | '*' | '/' | '+' | '-' | '(' | ')'
    | K_TEXTURE | K_BUMP_MAP | K_PIGMENT | K_PIGMENT_MAP | K_COLOR | K_RGB | K_RGBT | K_RGBFT
    | K_LOOK_AT | K_LOCATION | K_CAMERA | K_TORUS | K_TRANSLATE | K_SCALE | K_ROTATE
    | K_BOX | K_CONE | K_SPHERE | K_CYLINDER | K_LIGHT_SOURCE | K_BACKGROUND | K_OBJECT
    | K_SMOOTH | K_WATER_LEVEL | K_HEIGHT_FIELD | K_IMAGE_MAP | K_FILTER | K_NORMAL
    | K_CONTROL0 | K_CONTROL1 | K_COLOR_MAP | K_TURBULENCE | K_TURB_DEPTH | K_OMEGA
    | K_OCTAVES | K_LAMBDA | K_PLANE | K_FINISH | K_AMBIENT | K_PHONG | K_PHONG_SIZE
    | K_REFRACTION | K_IOR | K_METALLIC | K_DIFFUSE | K_BRILLIANCE | K_CRAND | K_REFLECTION
    | K_SKY_SPHERE | K_FOG | K_FOG_TYPE | K_UP | K_FOG_ALT | K_FOG_OFFSET | K_DISTANCE
    | K_SPOTLIGHT | K_POINT_AT | K_RADIUS | K_FALLOFF | K_TIGHTNESS | K_LATHE | K_POLYGON
    | K_BLOB | K_SMOOTH_TRIANGLE | K_TRIANGLE | K_HOLLOW | K_HALO | K_DUST_TYPE
    | K_ECCENTRICITY | K_EXPONENT | K_MAX_VALUE | K_SAMPLES | K_AA_LEVEL | K_AA_THRESHOLD
    | K_THRESHOLD | K_JITTER | K_STRENGTH | K_TEXT | K_TTF | K_MATRIX | K_GLOBAL_SETTINGS
    ;

/* items with names of their own: pattern names, pigment names, "once" */
named_items
    : %empty
    | named_items named_item
    ;

named_item
    : item
    | T_NAME { b.Name($1.View()); } numbers
    | T_DIRECTIVE { b.Directive($1.View()); }
    | T_GUARD_END
    /* "checker color White, color Black" */
    | ','
    ;

/* Everything that may stand inside a body. The builder drops and reports what does not belong
 * to the object under construction. */
item
    : K_SCALE vector_arg { b.Scale(); }
    | K_ROTATE vector_arg { b.Rotate(); }
    | K_TRANSLATE vector_arg { b.Translate(); }
    | K_MATRIX vector { b.Matrix($2); }
    | T_QUICKCOLOR vector { b.SetVector($2); b.QuickColor(); }
    | K_HOLLOW { b.Hollow(); }
    | K_TEXTURE '{' name { b.TextureReference($3.View()); } items '}' { b.CloseBlock(); }
    | K_TEXTURE '{' inline_texture items '}' { b.CloseBlock(); }
    | K_PIGMENT { b.OpenPigment(); } '{' named_items '}' { b.CloseBlock(); }
    | K_NORMAL { b.OpenNormal(); } '{' named_items '}' { b.CloseBlock(); }
    | K_FINISH { b.OpenFinish(); } '{' items '}' { b.CloseBlock(); }
    | K_HALO '{' name '}' { b.HaloReference($3.View()); }
    | K_COLOR color_value { b.Color(); }
    | rgb_value { b.Color(); }
    | K_FILTER number { b.Filter($2.number); }
    | T_PATTERN { b.Pattern($1.View()); } numbers
    | K_CONTROL0 number { b.Control(0, $2.number); }
    | K_CONTROL1 number { b.Control(1, $2.number); }
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
    | K_OCTAVES number { b.Octaves($2.number); }
    | K_OMEGA number { b.Omega($2.number); }
    | K_LAMBDA number { b.Lambda($2.number); }
    | K_TURB_DEPTH number { b.NotRead("turb_depth"); }
    | K_AMBIENT K_COLOR color_value { b.Ambient(); }
    | K_AMBIENT rgb_value { b.Ambient(); }
    | K_AMBIENT number { b.AmbientLevel($2.number); }
    | K_PHONG number { b.Phong($2.number); }
    | K_PHONG_SIZE number { b.PhongSize($2.number); }
    | K_REFRACTION { b.Refraction(); }
    | K_IOR number { b.Ior($2.number); }
    | K_METALLIC { b.Metallic(); } numbers
    | K_DIFFUSE number { b.Diffuse($2.number); }
    | K_BRILLIANCE number { b.Brilliance($2.number); }
    | K_CRAND number { b.Crand($2.number); }
    | K_REFLECTION number { b.Reflection($2.number); }
    | K_LOCATION vector_arg { b.Location(); }
    | K_LOOK_AT vector_arg { b.LookAt(); }
    | K_POINT_AT vector_arg { b.PointAt(); }
    | K_RADIUS number { b.Radius($2.number); }
    | K_FALLOFF number { b.Falloff($2.number); }
    | K_TIGHTNESS number { b.Tightness($2.number); }
    | K_STRENGTH number { b.Strength($2.number); }
    | K_THRESHOLD number { b.Threshold($2.number); }
    | K_SMOOTH { b.Smooth(); }
    | K_WATER_LEVEL number { b.WaterLevel($2.number); }
    | K_UP vector_arg { b.Up(); }
    | K_DISTANCE number { b.Distance($2.number); }
    | K_FOG_OFFSET number { b.FogOffset($2.number); }
    | K_FOG_ALT number { b.FogAlt($2.number); }
    | T_HALO_TYPE { b.HaloType($1.View()); }
    | T_DENSITY { b.DensityFunction($1.View()); }
    | T_MAPPING { b.Mapping($1.View()); }
    | K_DUST_TYPE T_NAME { b.DustType($2.View()); }
    | K_ECCENTRICITY number { b.Eccentricity($2.number); }
    | K_MAX_VALUE number { b.MaxValue($2.number); }
    | K_EXPONENT number { b.Exponent($2.number); }
    | K_SAMPLES number { b.Samples($2.number); }
    | K_AA_LEVEL number { b.AaLevel($2.number); }
    | K_AA_THRESHOLD number { b.AaThreshold($2.number); }
    | K_JITTER number { b.Jitter($2.number); }
    ;

/* "texture { Name ... }" refers to a declared texture */
inline_texture
    : %empty %prec VALUE_END { b.OpenInlineTexture(); }
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
    : '[' number { b.BeginMapEntry($2.number); } named_items ']' { b.EndMapEntry(); }
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

/* a vector written out: "<1, 2, 3>", "<x, 2*y>" */
vector
    : T_VECTOR
    | '<' components '>' { $$ = $2; }
    ;

components
    : expr { $$ = sv::Number(b.ScalarOf($1)); $$.count = 1; $$.components[0] = $$.number; }
    | components ',' expr {
          $$ = $1;
          if ($$.count < SceneToken::kMaxComponents)
              $$.components[$$.count] = b.ScalarOf($3);
          ++$$.count;
      }
    | components T_NUMBER {
          $$ = $1;
          if ($$.count < SceneToken::kMaxComponents)
              $$.components[$$.count] = $2.number;
          ++$$.count;
      }
    ;

/* numbers and vectors with POV-Ray's arithmetic */
expr
    : T_NUMBER { $$ = sv::Number($1.number); }
    | vector { $$ = $1; }
    | T_AXIS { $$ = sv::Axis($1.text[0]); }
    | '(' expr ')' { $$ = $2; }
    | '-' expr %prec UNARY { $$ = sv::Negate($2); }
    | '+' expr %prec UNARY { $$ = $2; }
    | expr '+' expr { $$ = Combine(b, $1, sv::Op::Add, $3); }
    | expr '-' expr { $$ = Combine(b, $1, sv::Op::Subtract, $3); }
    | expr '*' expr { $$ = Combine(b, $1, sv::Op::Multiply, $3); }
    | expr '/' expr { $$ = Combine(b, $1, sv::Op::Divide, $3); }
    ;

vector_arg
    : expr %prec VALUE_END { b.SetVector($1); }
    ;

number
    : expr %prec VALUE_END { $$ = sv::Number(b.ScalarOf($1)); }
    ;

opt_comma
    : %empty
    | ','
    ;

%%

namespace {

// A token as a message names it: "box", "}", a number, the name "specular".
std::string Describe(yysymbol_kind_t kind, const SceneScannerState* state, std::size_t offset) {
    if (kind == YYSYMBOL_YYEOF)
        return "the end of the file";
    std::string text;
    if (state && state->base && (kind == YYSYMBOL_T_NAME || kind == YYSYMBOL_T_NUMBER ||
                                 kind == YYSYMBOL_T_DIRECTIVE)) {
        // the token's own text: the parser's lookahead is the token handed out last
        const char* p = state->base + offset;
        const char* end = p + state->lastLength;
        while (p < end && *p && text.size() < 40 && *p != ' ' && *p != '\t' && *p != '\r' &&
               *p != '\n' && *p != ',' && *p != '{' && *p != '}' && *p != '<' && *p != '>' &&
               *p != ';' && *p != '(' && *p != ')')
            text += *p++;
        if (kind == YYSYMBOL_T_NAME)
            return "the name \"" + text + "\"";
        if (kind == YYSYMBOL_T_NUMBER)
            return "the number " + text;
        return "the directive \"" + text + "\"";
    }
    std::string name = yysymbol_name(kind);
    if (name.size() == 3 && name.front() == '\'' && name.back() == '\'')
        name = "\"" + name.substr(1, 1) + "\"";
    return name;
}

}  // namespace

// "Syntax error: found X, expected Y", then what happens to the statement.
static int yyreport_syntax_error(const yypcontext_t* context, yyscan_t scanner, SceneBuilder& b) {
    SceneScannerState* state = scene_yyget_extra(scanner);
    const std::size_t offset = yypcontext_location(context)->offset;
    const yysymbol_kind_t found = yypcontext_token(context);
    std::string message = "Syntax error: found " + Describe(found, state, offset);
    // what was expected: all of it when it is little, else a closing brace first (the end of
    // the block the error is in) and how many others
    yysymbol_kind_t expected[YYNTOKENS];
    const int count = yypcontext_expected_tokens(context, expected, YYNTOKENS);
    constexpr int kListed = 4;
    auto closing = [](yysymbol_kind_t k) { return std::string(yysymbol_name(k)) == "'}'"; };
    if (count > kListed) {
        for (int i = 0; i < count; ++i)
            if (closing(expected[i])) {
                std::swap(expected[0], expected[i]);
                break;
            }
    }
    // at the top level: any statement would do
    bool statement = false;
    for (int i = 0; i < count; ++i)
        statement = statement || std::string(yysymbol_name(expected[i])) == "\"#declare\"";
    if (statement) {
        message += ", expected the start of a statement";
        b.SyntaxError(offset, message, found == YYSYMBOL_YYEOF);
        if (state)
            state->SkipStatement();
        return 0;
    }
    const int shown = count <= kListed ? count : (closing(expected[0]) ? 1 : 3);
    for (int i = 0; i < shown; ++i) {
        message += i == 0 ? ", expected " : (i + 1 == count ? " or " : ", ");
        message += Describe(expected[i], nullptr, 0);
    }
    if (count > shown)
        message += " or one of " + std::to_string(count - shown) + " others";
    b.SyntaxError(offset, message, found == YYSYMBOL_YYEOF);
    if (state)
        state->SkipStatement();
    return 0;
}

void scene_yyerror(SCENE_YYLTYPE* location, yyscan_t, SceneBuilder& b, const char* message) {
    // only "memory exhausted" comes here: syntax errors have their own report
    (void)message;
    b.NestingTooDeep(location ? location->offset : 0);
}
