// The document as JSON, for `orvanta-cli dump` and the tests that compare documents.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

class COrvantaDoc;
class CPovObject;

struct ReadProblem {
    int line = 0;
    std::string message;
};

// {"settings", "view", "camera", "background", "skySphere", "objects", "textures",
//  "pigments", "halos", "errors"}; strings are converted from Windows-1252 to UTF-8.
nlohmann::ordered_json DocumentToJson(const COrvantaDoc& doc,
                                      const std::vector<ReadProblem>& errors = {});
nlohmann::ordered_json ObjectToJson(const CPovObject& object);
