// What an import did with each statement of the scene: taken as an editable object, taken
// with an approximation, or kept as POV-Ray text (a raw element), with the file and line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pov {
struct EvaluatedScene;
}

struct ImportReportEntry {
    enum class Outcome { Editable, Approximated, Raw, Problem };
    Outcome outcome = Outcome::Editable;
    std::string file;
    int line = 0;
    // the statement's keyword ("sphere", "union", "global_settings")
    std::string what;
    // why it was approximated or kept as text, or the problem
    std::string detail;
};

struct ImportReport {
    std::vector<ImportReportEntry> entries;
    // shapes (object statements, counted inside groups too) and how many became editable
    size_t shapes = 0;
    size_t editableShapes = 0;
    bool stopped = false;

    void Add(ImportReportEntry::Outcome outcome, std::string file, int line, std::string what,
             std::string detail = {});
    size_t Count(ImportReportEntry::Outcome outcome) const;
    // everything came in as editable objects, without problems
    bool AllEditable() const;
    // The report as lines "file:line: what: outcome (detail)" in the user's language, then a
    // summary line; identical lines of one statement in a loop are counted, not repeated.
    std::string Text() const;
};
