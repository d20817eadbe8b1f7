// The buttons of the two tool bars, by command id; 0 stands for a separator.
#pragma once

#include <vector>

// the main bar: file, edit, tools, print, POV-Ray, image, about and context help
const std::vector<int>& MainToolBarButtons();
// the "Standard Objekte" bar: the six primitives
const std::vector<int>& StandardObjectsToolBarButtons();
