#include "model/surfaces/pov_pigment_owner.h"

#include <algorithm>

#include "model/field_sink.h"
#include "resources/string_table.h"

namespace {

constexpr const char* kColorLine = "\t\tcolor rgb < %.3f %.3f %.3f > filter %.1f\r\n";

}  // namespace

std::string ImageTypeWord(std::string_view fileName) {
    if (fileName.size() < 3)
        return "gif";
    std::string word(fileName.substr(fileName.size() - 3));
    for (char& c : word)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return word;
}

std::string NextPlainName(int prefixStringId, long& counter) {
    std::string name = orv::Format("%s%d", LoadString(prefixStringId), counter);
    ++counter;
    return name;
}

CPovPigmentOwner::CPovPigmentOwner() : PatternName("gradient x") {
    Colors[0] = 0xFFFFFF;
    Colors[1] = 0x7F7F7F;
    Positions[0] = 0.1;
    Positions[1] = 0.6;
    Positions[2] = 0.9;
    Transmits.fill(1.0);
}

int CPovPigmentOwner::UsedColorCount() const {
    return std::clamp(ColorCount, 0, kMaxPigmentColors);
}

bool CPovPigmentOwner::AddColor(PovColor color, double filter, double transmit) {
    if (ColorCount < 0 || ColorCount >= kMaxPigmentColors)
        return false;
    Colors[ColorCount] = color;
    Filters[ColorCount] = filter;
    Transmits[ColorCount] = transmit;
    ++ColorCount;
    return true;
}

bool CPovPigmentOwner::AddMapColor(double position, PovColor color, double filter,
                                   double transmit) {
    if (ColorCount < 0 || ColorCount >= kMaxPigmentColors)
        return false;
    Positions[ColorCount] = position;
    return AddColor(color, filter, transmit);
}

bool CPovPigmentOwner::AddMapPigment(std::string_view name, double position) {
    if (name.empty())
        return false;
    for (int i = 0; i < kMaxMapPigments; ++i) {
        if (!MapPigments[i].empty())
            continue;
        MapPigments[i] = name;
        Positions[i] = position;
        return true;
    }
    return false;
}

void CPovPigmentOwner::WritePigmentBody(SceneText& out) {
    auto colorLine = [&](int i) {
        const RgbFraction c = RgbFraction::Of(Colors[i]);
        out.Printf(kColorLine, c.R, c.G, c.B, Filters[i]);
    };
    auto patternLine = [&]() {
        if (PatternName == "mandel")
            out.Printf("\t\t%s %.3f\r\n", PatternName.Str(), PatternValue);
        else
            out.Printf("\t\t%s\r\n", PatternName.Str());
    };

    switch (PigmentKind) {
        case kPigmentColor:
            colorLine(0);
            break;
        case kPigmentChecker:
            out.Write("\t\tchecker\r\n");
            colorLine(0);
            colorLine(1);
            break;
        case kPigmentBrick:
            out.Write("\t\tbrick\r\n");
            colorLine(0);
            colorLine(1);
            break;
        case kPigmentHexagon:
            out.Write("\t\thexagon\r\n");
            colorLine(0);
            colorLine(1);
            colorLine(2);
            break;
        case kPigmentColorMap: {
            patternLine();
            out.Write("\t\tcolor_map {\r\n");
            const int count = UsedColorCount();
            for (int i = 0; i < count; ++i) {
                const RgbFraction c = RgbFraction::Of(Colors[i]);
                out.Printf("\t\t\t[ %.1f color rgb < %.3f %.3f %.3f > filter %.1f]\r\n",
                           Positions[i], c.R, c.G, c.B, Filters[i]);
            }
            out.Write("\t\t}\r\n");
            break;
        }
        case kPigmentImageMap:
            if (ImageFile.empty())
                ImageFile = kUnknownImageFile;
            out.Printf(
                "\t\timage_map { \r\n\t\t\t%s \"%s\"\r\n\t\t\t%s\r\n\t\t\tmap_type %d\r\n\t\t}\r\n",
                ImageTypeWord(ImageFile), ImageFile, Once ? "once" : "", MapType);
            break;
        case kPigmentPigmentMap:
            patternLine();
            out.Write("\t\tpigment_map {\r\n");
            for (int i = 0; i < kMaxMapPigments; ++i)
                if (!MapPigments[i].empty())
                    out.Printf("\t\t\t[ %.1f %s ]\r\n", Positions[i], MapPigments[i]);
            out.Write("\t\t}\r\n");
            break;
        default:
            break;
    }

    if (TurbulenceOn) {
        out.Printf("\t\tturbulence < %.3f %.3f %.3f >\r\n", Turbulence[0], Turbulence[1],
                   Turbulence[2]);
        out.Printf("\t\toctaves %.1f \r\n", static_cast<double>(Octaves));
        out.Printf("\t\tomega %.3f \r\n", Omega);
        out.Printf("\t\tlambda %.3f \r\n", Lambda);
    }
}

void CPovPigmentOwner::WriteStepLines(SceneText& out) const {
    WriteScaleLine(out);
    WriteRotateTranslate(out);
}

void CPovPigmentOwner::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovPigmentOwner&>(target);
    t.HasPigment = HasPigment;
    t.PigmentKind = PigmentKind;
    t.Colors = Colors;
    t.Positions = Positions;
    t.Filters = Filters;
    t.Transmits = Transmits;
    t.ColorCount = ColorCount;
    t.MapType = MapType;
    t.Once = Once;
    t.PatternName = PatternName;
    t.TurbulenceOn = TurbulenceOn;
    t.Turbulence = Turbulence;
    t.Omega = Omega;
    t.Lambda = Lambda;
    t.Octaves = Octaves;
    t.PatternValue = PatternValue;
    t.ImageFile = ImageFile;
    t.MapPigments = MapPigments;
}

void CPovPigmentOwner::VisitFields(FieldSink& sink) const {
    int colors[kMaxPigmentColors];
    for (int i = 0; i < kMaxPigmentColors; ++i)
        colors[i] = static_cast<int>(Colors[i]);
    sink.Integer("HasPigment", HasPigment);
    sink.Integer("PigmentKind", PigmentKind);
    sink.Integers("Colors", colors, kMaxPigmentColors);
    sink.Numbers("Positions", Positions.data(), Positions.size());
    sink.Numbers("Filters", Filters.data(), Filters.size());
    sink.Numbers("Transmits", Transmits.data(), Transmits.size());
    sink.Integer("ColorCount", ColorCount);
    sink.Integer("MapType", MapType);
    sink.Integer("Once", Once);
    sink.Text("PatternName", PatternName.Str());
    sink.Integer("TurbulenceOn", TurbulenceOn);
    sink.Numbers("Turbulence", Turbulence.data(), Turbulence.size(), 3);
    sink.Number("Omega", Omega);
    sink.Number("Lambda", Lambda);
    sink.Integer("Octaves", Octaves);
    sink.Number("PatternValue", PatternValue);
    sink.Text("ImageFile", ImageFile);
    sink.Texts("MapPigments", MapPigments.data(), MapPigments.size());
}
