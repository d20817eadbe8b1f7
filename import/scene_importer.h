// Imports a POV-Ray scene file into a document: the scene is read and evaluated as POV-Ray
// does, and its statements become the modeller's objects (editable where its kinds hold them
// exactly, raw elements otherwise). The report says what became of each statement.
#pragma once

#include <functional>
#include <string>

#include "import/import_report.h"
#include "import/pov_evaluator.h"

class COrvantaDoc;

// How an import runs: the scene is evaluated on a second thread while the statements it hands
// over are mapped, or evaluated first and mapped afterwards, all on the calling thread. Both
// give the same document and report.
enum class ImportFlow { MapWhileEvaluating, MapAfterEvaluating };

// Texts for a status bar while a scene is imported ("Lese %s, Zeile %lu", "Übernehme Anweisung
// %lu von %lu"), in UTF-8. They come on the importing thread many times a second, also while it
// waits for the evaluation; the receiver shows them at its own pace.
using ImportProgress = std::function<void(const std::string&)>;

// Reads the scene at path into doc, which should be new and empty.
ImportReport ImportPovScene(const std::string& path, COrvantaDoc& doc,
                            ImportFlow flow = ImportFlow::MapWhileEvaluating,
                            const ImportProgress& progress = {});
// The same for scene text; name is the file name the report quotes, folder where the scene's
// own include files are looked for.
ImportReport ImportPovSceneText(const std::string& text, const std::string& name,
                                const std::string& folder, COrvantaDoc& doc,
                                const pov::EvaluatorLimits& limits = {},
                                ImportFlow flow = ImportFlow::MapWhileEvaluating);
// An import frees what it leaves behind (the evaluated scene, the mapper's tables) on a thread
// of its own; this waits until that is done. The next import and the end of the program wait
// by themselves; a process that forks, say, should wait first.
void WaitForImportLeftovers();
// Whether a file should be imported rather than read by the modeller's own reader: a POV-Ray
// scene or include file (.pov, .inc) that the modeller did not write itself.
bool ShouldImport(const std::string& path);
