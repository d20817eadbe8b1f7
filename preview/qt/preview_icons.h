// Texture names in a combo box with their preview pictures as icons: an item whose picture is
// not there yet shows a placeholder icon, replaced as soon as the picture is rendered.
#pragma once

class QComboBox;

// Decorates every item of combo (item text = texture name) now and whenever a picture
// arrives; items added later get their icon at the next call. Missing pictures are rendered
// in the background.
void ShowPreviewIcons(QComboBox* combo, int iconSize = 40);
