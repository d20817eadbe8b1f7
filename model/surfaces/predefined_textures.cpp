#include "model/surfaces/predefined_textures.h"

const char* const kPredefinedTextures[kPredefinedTextureCount] = {
    // stones and marbles
    "Jade",
    "Red_Marble",
    "White_Marble",
    "Blood_Marble",
    "Blue_Agate",
    "Sapphire_Agate",
    "Brown_Agate",
    "Pink_Granite",
    "PinkAlabaster",
    // skies
    "Blue_Sky",
    "Bright_Blue_Sky",
    "Blue_Sky2",
    "Blue_Sky3",
    "Blood_Sky",
    "Apocalypse",
    "Clouds",
    // woods
    "Cherry_Wood",
    "Pine_Wood",
    "Dark_Wood",
    "Tan_Wood",
    "White_Wood",
    "Tom_Wood",
    "DMFWood1",
    "DMFWood2",
    "DMFWood3",
    "DMFWood4",
    "DMFWood5",
    "DMFLightOak",
    "DMFDarkOak",
    "EMBWood1",
    "Yellow_Pine",
    "Rosewood",
    "Sandalwood",
    // glass
    "Glass",
    "Glass2",
    "Glass3",
    "Green_Glass",
    // metals
    "Chrome_Texture",
    "Brass_Texture",
    "Gold_Texture",
    "Bronze_Texture",
    "Copper_Texture",
    "Silver_Texture",
    "Polished_Chrome",
    "Polished_Brass",
    "New_Brass",
    "Spun_Brass",
    "Silver1",
    "Silver2",
    "Silver3",
    "Brass_Valley",
    "Rusty_Iron",
    "Rust",
    // miscellaneous
    "Candy_Cane",
    "Peel",
    "Water",
    "Cork",
    // granites, cracks and stones
    "Grnt0",
    "Grnt1",
    "Grnt2",
    "Grnt3",
    "Grnt4",
    "Grnt5",
    "Grnt6",
    "Grnt7",
    "Grnt8",
    "Grnt9",
    "Grnt10",
    "Grnt11",
    "Grnt12",
    "Grnt13",
    "Grnt14",
    "Grnt15",
    "Grnt16",
    "Grnt17",
    "Grnt18",
    "Grnt19",
    "Grnt20",
    "Grnt0a",
    "Grnt1a",
    "Grnt2a",
    "Grnt3a",
    "Grnt4a",
    "Grnt5a",
    "Grnt6a",
    "Grnt7a",
    "Grnt8a",
    "Grnt9a",
    "Grnt10a",
    "Grnt11a",
    "Grnt12a",
    "Grnt13a",
    "Grnt14a",
    "Grnt15a",
    "Grnt16a",
    "Grnt17a",
    "Grnt18a",
    "Grnt19a",
    "Grnt20a",
    "Crack1",
    "Crack2",
    "Marb3",
    "Marb9",
    "Stone1",
    "Stone2",
    "Stone3",
    "Stone4",
    "Stone5",
    "Stone6",
    "Stone7",
    "Stone8",
    "Stone9",
    "Stone10",
    "Stone11",
    "Stone12",
    "Stone13",
    "Stone14",
    "Stone15",
    "Stone16",
};

namespace {
const std::vector<std::string>* g_addOns = nullptr;
}

void SetTextureAddOns(const std::vector<std::string>* pairs) {
    g_addOns = pairs;
}

const std::vector<std::string>* GetTextureAddOns() {
    return g_addOns;
}

int FindTextureIndex(std::string_view name) {
    for (int i = 0; i < kPredefinedTextureCount; ++i)
        if (name == kPredefinedTextures[i])
            return i;
    if (g_addOns) {
        for (size_t j = 0; j < g_addOns->size(); j += 2)
            if ((*g_addOns)[j] == name)
                return static_cast<int>(j) + kAddOnTextureBase;
    }
    return kUserTextureIndex;
}
