// Large scenes in the writer's own dialect, for the reader benchmarks: a scene of mixed
// primitives with transformations and texture references, and a mesh export of triangles
// that one predefined object references. The text is byte for byte what the writer produces
// for the same document (a reader test checks this for small scenes).
#pragma once

#include <cstdint>
#include <string>

#include "model/text_format.h"

namespace scene_generator {

// A small deterministic generator, so that every run reads the same scene.
class Numbers {
  public:
    explicit Numbers(uint64_t seed) : state_(seed) {}
    // a value with four decimals in [-range, range]
    double Next(double range) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto steps = static_cast<int64_t>((state_ >> 33) % 20001) - 10000;
        return static_cast<double>(steps) * range / 10000.0;
    }
    uint64_t Index(uint64_t count) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state_ >> 33) % count;
    }

  private:
    uint64_t state_;
};

inline void Header(std::string& out) {
    out +=
        "//$author:$ Bench\r\n//$company:$ \r\n\r\n"
        "//$zoom front:$ 10.0000\r\n//$zoom right:$ 10.0000\r\n//$zoom top:$ 10.0000\r\n"
        "//$grid front:$ 0.5000\r\n//$grid right:$ 0.5000\r\n//$grid top:$ 0.5000\r\n"
        "//$usepov2$ do not delete this line\r\n"
        "//\r\n//  standard include files for POV.\r\n//\r\n"
        "#include \"colors.inc\"\r\n#include \"textures.inc\"\r\n"
        "#include \"shapes.inc\"\r\n#include \"stones.inc\"\r\n\r\n\r\n";
}

inline void Vector3(std::string& out, const char* line, double x, double y, double z) {
    orv::AppendFormat(out, line, x, y, z);
}

// count user textures "Textur_<i>", each a plain colour with its steps
inline void Textures(std::string& out, int count) {
    for (int i = count - 1; i >= 0; --i) {
        orv::AppendFormat(out, "#declare Textur_%d = texture {\r\n", i);
        // colour components are bytes / 255, as the model holds them
        orv::AppendFormat(out, "\tpigment {\r\n\t\tcolor rgb < %.3f %.3f %.3f > filter %.1f\r\n",
                          (i % 5) * 60 / 255.0, (i % 3) * 120 / 255.0, 51 / 255.0, 0.0);
        out += "\t}\r\n";
        out +=
            "  scale <1.0000,1.0000,1.0000>\r\n  rotate <0.0000,0.0000,0.0000>\r\n"
            "  translate <0.0000,0.0000,0.0000>\r\n}\r\n\r\n";
    }
}

// n primitives (box, sphere, cone, cylinder, torus in turn), each with scale, rotate,
// translate and its own texture: every third a predefined one with texture steps, the others
// one of the scene's textures.
inline std::string MixedScene(int n, uint64_t seed = 1) {
    static const char* const kPredefined[] = {"Jade", "Water", "Chrome_Texture", "Cherry_Wood",
                                              "Stone5"};
    constexpr int kTextures = 16;
    Numbers r(seed);
    std::string out;
    out.reserve(static_cast<size_t>(n) * 420 + 4096);
    Header(out);
    Textures(out, kTextures);
    for (int i = n - 1; i >= 0; --i) {
        const int kind = i % 5;
        static const char* const kPrefix[] = {"Quader_", "Kugel_", "Kegel_", "Zylinder_", "Ring_"};
        const std::string nameText = orv::Format("%s%.3ld", kPrefix[kind], static_cast<long>(i));
        orv::AppendFormat(out, "#declare %s = ", nameText);
        switch (kind) {
            case 0:
                out += "box {\r\n  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n";
                break;
            case 1:
                out += "sphere {\r\n  <0.0,0.0,0.0>,1.0\r\n";
                break;
            case 2:
                out += "cone {\r\n  <0.0,0.0,0.0>,1.0,<0.0,1.0,0.0>,0.0\r\n";
                break;
            case 3:
                out += "cylinder {\r\n  <0.0,-0.5,0.0>,<0.0,0.5,0.0>,1.0\r\n";
                break;
            default:
                orv::AppendFormat(out, "torus {\r\n  1.0 %.4f\r\n", 0.1 + (i % 7) * 0.05);
                break;
        }
        Vector3(out, "  scale <%.4f,%.4f,%.4f>\r\n", 1 + r.Next(0.5), 1 + r.Next(0.5),
                1 + r.Next(0.5));
        Vector3(out, "  //$quickcolor:$ <%.4f %.4f %.4f> \r\n", 0.5 + r.Next(0.5),
                0.5 + r.Next(0.5), 0.5 + r.Next(0.5));
        if (i % 3 == 0) {
            orv::AppendFormat(out, "  texture\r\n  {\r\n    %s\r\n", kPredefined[r.Index(5)]);
            Vector3(out, "    scale <%.4f,%.4f,%.4f>\r\n", 1.0, 1.0, 1.0);
            Vector3(out, "    rotate <%.4f,%.4f,%.4f>\r\n", 0.0, r.Next(90), 0.0);
            Vector3(out, "    translate <%.4f,%.4f,%.4f>\r\n", 0.0, 0.0, 0.0);
            out += "  }\r\n";
        } else {
            orv::AppendFormat(out, "  texture\r\n  {\r\n    Textur_%d\r\n  }\r\n",
                              static_cast<int>(r.Index(kTextures)));
        }
        Vector3(out, "  rotate <%.4f,%.4f,%.4f>\r\n", r.Next(180), r.Next(180), r.Next(180));
        Vector3(out, "  translate <%.4f,%.4f,%.4f>\r\n", r.Next(100), r.Next(100), r.Next(100));
        orv::AppendFormat(out, "}\r\n\r\nobject {\r\n  %s\r\n}\r\n\r\n", nameText);
    }
    return out;
}

// n triangles of a grid-like surface, declared inside the guard that POV-Ray skips, then the
// predefined object "objekt_000" that references all of them.
inline std::string MeshScene(int n, uint64_t seed = 2) {
    Numbers r(seed);
    std::string out;
    out.reserve(static_cast<size_t>(n) * 140 + 4096);
    Header(out);
    out += "#ifdef (ORVANTA_INVOKED)\r\n";
    for (int i = 0; i < n; ++i) {
        const double x = (i % 1000) * 0.01;
        const double z = (i / 1000) * 0.01;
        orv::AppendFormat(out, "#declare Triangle_%.3ld = triangle {\r\n  ", static_cast<long>(i));
        Vector3(out, "<%.4f,%.4f,%.4f>,", x, r.Next(0.1), z);
        Vector3(out, "<%.4f,%.4f,%.4f>,", x + 0.01, r.Next(0.1), z);
        Vector3(out, "  <%.4f,%.4f,%.4f>\r\n", x, r.Next(0.1), z + 0.01);
        out += "}\r\n\r\n";
    }
    out += "#end\r\n\r\n//$predefined_object$ do not delete this line\r\n";
    out += "\r\n#declare objekt_000 = union {\r\n";
    for (int i = 0; i < n; ++i)
        orv::AppendFormat(out, "\tobject { Triangle_%.3ld }\r\n", static_cast<long>(i));
    out +=
        "  scale <1.0000,1.0000,1.0000>\r\n  rotate <0.0000,0.0000,0.0000>\r\n"
        "  translate <0.0000,0.0000,0.0000>\r\n}\r\n\r\nobject {\r\n  objekt_000\r\n}\r\n\r\n";
    return out;
}

// n unions of one sphere each, as a scene built from many small groups is written: the
// sphere declared first, then the union that takes it.
inline std::string GroupScene(int n) {
    std::string out;
    out.reserve(static_cast<size_t>(n) * 300 + 4096);
    Header(out);
    for (int i = 0; i < n; ++i) {
        orv::AppendFormat(out, "#declare Kugel_%.3d = sphere {\r\n  <0.0,0.0,0.0>,1.0\r\n", i);
        orv::AppendFormat(out, "  translate <%d.0000,0.0000,0.0000>\r\n}\r\n\r\n", i % 100);
        orv::AppendFormat(out, "#declare CSG_%.3d = union {\r\n\tobject { Kugel_%.3d }\r\n", i, i);
        out +=
            "  scale <1.0000,1.0000,1.0000>\r\n  rotate <0.0000,0.0000,0.0000>\r\n"
            "  translate <0.0000,0.0000,0.0000>\r\n}\r\n\r\n";
        orv::AppendFormat(out, "object {\r\n  CSG_%.3d\r\n}\r\n\r\n", i);
    }
    return out;
}

}  // namespace scene_generator
