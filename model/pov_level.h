// The POV-Ray language level a scene is written for. The settings store and the scene file
// carry it; the writer chooses its text by it.
#pragma once

#include <string_view>

enum PovLevel : int {
    kPovLevel2 = 0,   // POV-Ray 2.x
    kPovLevel30 = 1,  // POV-Ray 3.0
    kPovLevel37 = 2,  // POV-Ray 3.7: media instead of halos, gamma and version stated
};

// any level from 3.0 on: the longer list of standard include files
inline bool IsPov3Level(int level) {
    return level >= kPovLevel30;
}

// a stored level, clamped to the known ones
inline int ClampPovLevel(int level) {
    return level < kPovLevel2 ? kPovLevel2 : level > kPovLevel37 ? kPovLevel37 : level;
}

// The value of the settings store: "2.x", "3.0", "3.7".
inline const char* PovLevelSetting(int level) {
    switch (ClampPovLevel(level)) {
        case kPovLevel30:
            return "3.0";
        case kPovLevel37:
            return "3.7";
        default:
            return "2.x";
    }
}

// Anything but "3.0" and "3.7" means 2.x, as older settings wrote "2" or "2.x".
inline int PovLevelFromSetting(std::string_view text) {
    if (text == "3.0")
        return kPovLevel30;
    if (text == "3.7")
        return kPovLevel37;
    return kPovLevel2;
}
