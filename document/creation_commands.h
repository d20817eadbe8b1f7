// The elements the "&Erzeugen" menu creates, with the names the batch tool knows them by.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

enum class CreateKind {
    Sphere,
    Box,
    Cone,
    Torus,
    Cylinder,
    HeightField,
    Plane,
    Lathe,
    Predefined,
    Polygon,
    Text,
    Csg,
    Blob,
    Light,
    CylinderLight,
    SpotLight,
    Camera,
    Background,
    SkySphere,
    Fog,
    Texture,
    Halo,
    Pigment,
};

struct CreateKindInfo {
    CreateKind kind;
    const char* name;      // the batch tool's word, e.g. "sphere"
    const char* menuText;  // the German menu entry, e.g. "&Kugel"
};

// every creatable element, in the order of the menu
const std::vector<CreateKindInfo>& CreateKinds();
std::optional<CreateKind> CreateKindByName(std::string_view name);
