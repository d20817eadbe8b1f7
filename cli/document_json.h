// The document as JSON, for `orvanta-cli dump` and the tests that compare documents.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "document/read_problem.h"

class COrvantaDoc;
class CPovObject;

// {"settings", "view", "camera", "background", "skySphere", "objects", "textures",
//  "pigments", "halos", "errors"}; strings are converted from Windows-1252 to UTF-8.
nlohmann::ordered_json DocumentToJson(const COrvantaDoc& doc,
                                      const std::vector<ReadProblem>& errors = {});
// withLists false: the four lists stay empty
nlohmann::ordered_json DocumentToJson(const COrvantaDoc& doc,
                                      const std::vector<ReadProblem>& errors, bool withLists);
nlohmann::ordered_json ObjectToJson(const CPovObject& object);

// The same JSON as DocumentToJson(doc, errors).dump(2), written one top-level object at a time,
// so that a large scene never stands in memory as a whole JSON tree.
void WriteDocumentJson(std::ostream& out, const COrvantaDoc& doc,
                       const std::vector<ReadProblem>& errors = {});
