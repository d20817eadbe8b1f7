// The document as JSON, for `orvanta-cli dump` and the tests that compare documents.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "document/read_problem.h"

class COrvantaDoc;
class CPovObject;

// {"settings", "view", "camera", "background", "skySphere", "objects", "textures",
//  "pigments", "halos", "errors"}; strings are converted from Windows-1252 to UTF-8.
nlohmann::ordered_json DocumentToJson(const COrvantaDoc& doc,
                                      const std::vector<ReadProblem>& errors = {});
nlohmann::ordered_json ObjectToJson(const CPovObject& object);
