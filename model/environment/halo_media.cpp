#include "model/environment/halo_media.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "model/environment/pov_halo.h"
#include "model/scene_text.h"

namespace {

struct Rgb {
    double r = 0.0, g = 0.0, b = 0.0;
};

// a whole number of a field that may hold anything (NaN or a huge value from a file)
int WholeNumber(double value, int low, int high) {
    if (!(value >= low))
        return low;
    return value >= high ? high : static_cast<int>(std::lround(value));
}

int DustTypeNumber(std::string_view name) {
    if (name == "MIE_HAZY_SCATTERING")
        return 2;
    if (name == "MIE_MURKY_SCATTERING")
        return 3;
    if (name == "RAYLEIGH_SCATTERING")
        return 4;
    if (name == "HENYEY_GREENSTEIN_SCATTERING")
        return 5;
    return 1;  // isotropic
}

const char* DensityPattern(std::string_view mapping) {
    if (mapping == "planar_mapping")
        return "planar";
    if (mapping == "cylindrical_mapping")
        return "cylindrical";
    if (mapping == "box_mapping")
        return "boxed";
    return "spherical";
}

// The density colour of a colour-map entry: how much of each component the medium emits,
// scatters or absorbs there.
Rgb EntryDensity(const CPovHalo& halo, int i) {
    const RgbFraction c = RgbFraction::Of(halo.HaloColors[static_cast<size_t>(i)]);
    const double opacity = std::clamp(1.0 - halo.HaloTransmits[static_cast<size_t>(i)], 0.0, 1.0);
    if (halo.HaloType == "attenuating")
        return {(1.0 - c.R) * opacity, (1.0 - c.G) * opacity, (1.0 - c.B) * opacity};
    return {c.R * opacity, c.G * opacity, c.B * opacity};
}

// The colour map at one position, as POV-Ray reads a map: entries in the order written,
// colours held beyond the first and last entry, linear in between.
Rgb DensityAt(const CPovHalo& halo, double position) {
    const int count = halo.UsedHaloColorCount();
    if (count == 0)
        return {1.0, 1.0, 1.0};
    const auto at = [&](int i) { return halo.HaloPositions[static_cast<size_t>(i)]; };
    if (position <= at(0))
        return EntryDensity(halo, 0);
    for (int i = 1; i < count; ++i) {
        if (position > at(i))
            continue;
        const double span = at(i) - at(i - 1);
        const double f = span > 0.0 ? (position - at(i - 1)) / span : 1.0;
        const Rgb a = EntryDensity(halo, i - 1);
        const Rgb b = EntryDensity(halo, i);
        return {a.r + (b.r - a.r) * f, a.g + (b.g - a.g) * f, a.b + (b.b - a.b) * f};
    }
    return EntryDensity(halo, count - 1);
}

void WriteCoefficient(SceneText& out, const char* keyword, const Rgb& c) {
    out.Printf("  %s <%.4f,%.4f,%.4f>\r\n", keyword, c.r, c.g, c.b);
}

void WriteDensity(const CPovHalo& halo, SceneText& out) {
    out.Write("  density {\r\n");
    out.Printf("    %s\r\n", DensityPattern(halo.Mapping));
    if (halo.DensityFunction == "cubic")
        out.Write("    cubic_wave\r\n");
    else if (halo.DensityFunction == "poly")
        out.Printf("    poly_wave %.4f\r\n", halo.Exponent);
    if (halo.HaloTurbulenceOn) {
        const Vector& t = halo.HaloTurbulence;
        out.Printf("    turbulence <%.4f,%.4f,%.4f>\r\n", t.X, t.Y, t.Z);
        out.Printf("    octaves %d\r\n", WholeNumber(halo.HaloOctaves, 1, 10));
        out.Printf("    omega %.4f\r\n", halo.HaloOmega);
        out.Printf("    lambda %.4f\r\n", halo.HaloLambda);
    }
    const int count = halo.UsedHaloColorCount();
    if (count > 0) {
        out.Write("    color_map {\r\n");
        for (int i = 0; i < count; ++i) {
            const Rgb c = EntryDensity(halo, i);
            out.Printf("      [ %.4f color rgb <%.4f,%.4f,%.4f> ]\r\n",
                       halo.HaloPositions[static_cast<size_t>(i)], c.r, c.g, c.b);
        }
        out.Write("    }\r\n");
    }
    out.Write("  }\r\n");
}

}  // namespace

void WriteHaloAsMedia(const CPovHalo& halo, SceneText& out) {
    out.Write("media {\r\n  method 3\r\n");
    out.Printf("  samples %d\r\n", WholeNumber(halo.Samples, 1, 1000));
    if (halo.AntiAliasOn) {
        out.Printf("  aa_level %d\r\n", WholeNumber(halo.AaLevel, 1, 10));
        out.Printf("  aa_threshold %.4f\r\n", halo.AaThreshold);
        if (halo.JitterOn)
            out.Printf("  jitter %.4f\r\n", halo.Jitter);
    }

    // A constant density has no pattern: its one colour goes into the coefficients.
    const bool constant = halo.DensityFunction == "constant";
    const Rgb tint = constant ? DensityAt(halo, 1.0) : Rgb{1.0, 1.0, 1.0};
    const double m = halo.MaxValue;
    const Rgb strength{m * tint.r, m * tint.g, m * tint.b};
    if (halo.HaloType == "dust") {
        const int type = DustTypeNumber(halo.DustType);
        out.Printf("  scattering { %d, <%.4f,%.4f,%.4f>", type, strength.r, strength.g, strength.b);
        // POV-Ray takes an eccentricity for this type only
        if (type == 5)
            out.Printf(" eccentricity %.4f", halo.Eccentricity);
        out.Write(" }\r\n");
    } else {
        if (halo.HaloType != "attenuating")
            WriteCoefficient(out, "emission", strength);
        if (halo.HaloType == "attenuating" || halo.HaloType == "glowing")
            WriteCoefficient(out, "absorption", strength);
    }
    if (!constant)
        WriteDensity(halo, out);

    const Vector& s = halo.ScaleStep();
    const Vector& r = halo.RotationStep();
    const Vector& t = halo.Translation();
    out.Printf("  scale <%.4f,%.4f,%.4f>\r\n", s.X, s.Y, s.Z);
    out.Printf("  rotate <%.4f,%.4f,%.4f>\r\n", r.X, r.Y, r.Z);
    out.Printf("  translate <%.4f,%.4f,%.4f>\r\n", t.X, t.Y, t.Z);
    out.Write("}\r\n");
}
