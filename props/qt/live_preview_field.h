// The widget of a surface sheet's live preview field: the picture POV-Ray renders of the
// texture or pigment as its pages have it now, a moment after the last change.
#pragma once

// Registers the widget for the fields of the key kLivePreviewField.
void RegisterLivePreviewField();
