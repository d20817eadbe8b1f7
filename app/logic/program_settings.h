// What the program settings sheet leaves behind in the open document, whatever button closed
// it: the camera options go into the document's settings and every camera view of the
// document, which redraw. (The grid and zoom defaults apply to documents created later.)
#pragma once

class COrvantaDoc;
class COrvantaOptions;

void ApplyCameraOptions(const COrvantaOptions& program, COrvantaDoc& document);
