// Imports a POV-Ray scene file into a document: the scene is read and evaluated as POV-Ray
// does, and its statements become the modeller's objects (editable where its kinds hold them
// exactly, raw elements otherwise). The report says what became of each statement.
#pragma once

#include <string>

#include "import/import_report.h"
#include "import/pov_evaluator.h"

class COrvantaDoc;

// When the statements of a scene become objects: each as soon as it is evaluated, while the
// statements before it have all been mapped and nothing else refers to it (the others when
// the evaluation has ended), or all of them after the evaluation. Both give the same document.
enum class ImportFlow { MapWhileEvaluating, MapAfterEvaluating };

// Reads the scene at path into doc, which should be new and empty.
ImportReport ImportPovScene(const std::string& path, COrvantaDoc& doc);
// The same for scene text; name is the file name the report quotes, folder where the scene's
// own include files are looked for.
ImportReport ImportPovSceneText(const std::string& text, const std::string& name,
                                const std::string& folder, COrvantaDoc& doc,
                                const pov::EvaluatorLimits& limits = {},
                                ImportFlow flow = ImportFlow::MapWhileEvaluating);
// Whether a file should be imported rather than read by the modeller's own reader: a POV-Ray
// scene or include file (.pov, .inc) that the modeller did not write itself.
bool ShouldImport(const std::string& path);
