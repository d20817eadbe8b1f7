#include "document/scene_file_names.h"

std::string WithSceneExtension(std::string_view path) {
    std::string result(path);
    const size_t slash = result.find_last_of('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    if (start >= result.size())
        return result;  // a folder, not a file name
    const size_t dot = result.find_last_of('.');
    if (dot == std::string::npos || dot <= start)
        result += ".om";
    return result;
}

const char* LoadObjectsFilter() {
    return "Orvanta Modeller Dateien (*.om);;Vexcor UDO-Export Dateien (*.inc);;All Files (*)";
}

const char* SaveObjectFilter() {
    return "Orvanta Modeller Dateien (*.om);;POV-Ray (*.pov);;All Files (*)";
}
