// The preview pictures in the sheets: the live picture of a texture or pigment being edited
// (fields of the key kLivePreviewField) and the preview icons of the predefined textures in a
// choice (Choice fields whose `custom` is kTexturePreviewIcons).
#pragma once

inline constexpr const char* kTexturePreviewIcons = "texture-previews";

// Registers the widget of the live preview and the decorator of texture choices.
void RegisterPreviewFields();
