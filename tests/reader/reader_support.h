// Helpers for the reader tests: reading text into a document, finding objects, the document
// as JSON without the values that only geometry derives.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cli/document_json.h"
#include "document/orvanta_doc.h"
#include "document/scene_reader.h"
#include "document/scene_writer.h"
#include "model/pov_object.h"
#include "model/scene_text.h"
#include "tests/support/model_test.h"
#include "tests/support/scene_text_support.h"

// Reads text as opening a file does (list order restored).
inline SceneReadResult Read(COrvantaDoc& doc, std::string_view text) {
    return ReadSceneText(doc, text, true);
}

inline int Count(const CPovObject* head) {
    int n = 0;
    for (; head; head = head->NextSibling)
        ++n;
    return n;
}

// the n-th object of a list (0 = head)
inline CPovObject* Nth(CPovObject* head, int n) {
    while (head && n-- > 0)
        head = head->NextSibling;
    return head;
}

inline CPovObject* Find(CPovObject* head, std::string_view name) {
    for (; head; head = head->NextSibling)
        if (head->Name == name)
            return head;
    return nullptr;
}

// The document as JSON, without the bounding boxes (geometry derives them).
inline nlohmann::ordered_json Comparable(const COrvantaDoc& doc) {
    nlohmann::ordered_json j = DocumentToJson(doc);
    std::function<void(nlohmann::ordered_json&)> strip = [&](nlohmann::ordered_json& list) {
        for (auto& o : list) {
            o.erase("bbox");
            strip(o["children"]);
        }
    };
    for (const char* list : {"objects", "textures", "pigments", "halos"})
        strip(j[list]);
    return j;
}

inline std::string ProblemText(const ReadProblems& problems) {
    return ErrorLogText(problems);
}
