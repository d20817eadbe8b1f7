// The import report's text against a plain model of it: one line per distinct statement in the
// order first met, repeats counted, over random reports with loops, several files and names
// that hold colons.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "import/import_report.h"
#include "model/text_format.h"

namespace {

std::string ModelText(const ImportReport& report) {
    const char* const outcomes[] = {"bearbeitbares Objekt", "angenähert",
                                    "als POV-Ray-Text übernommen", "Problem"};
    std::vector<std::string> ordered;
    std::map<std::string, size_t> counts;
    for (const ImportReportEntry& e : report.entries) {
        std::string line = orv::Format("%s:%d: %s: %s", e.file, e.line, e.what,
                                       outcomes[static_cast<int>(e.outcome)]);
        if (!e.detail.empty()) {
            line += " (" + e.detail + ")";
        }
        if (counts[line]++ == 0) {
            ordered.push_back(line);
        }
    }
    std::string out;
    for (const std::string& l : ordered) {
        out += l + (counts[l] > 1 ? orv::Format(" (%lu mal)", counts[l]) : "") + "\n";
    }
    return out;
}

TEST(ImportReport, TextCountsEachDistinctStatementOnceInTheOrderFirstMet) {
    std::mt19937 random(19);
    const char* const files[] = {"scene.pov", "a.inc", "c:1", "c"};
    const char* const whats[] = {"sphere", "box", "", "#default", "1: sphere"};
    const char* const details[] = {"", "values rounded", "no such kind in the modeller"};
    for (int round = 0; round < 300; ++round) {
        ImportReport report;
        std::uniform_int_distribution<int> length(0, 60), pick(0, 99);
        const int n = length(random);
        for (int i = 0; i < n; ++i) {
            if (i > 0 && pick(random) < 40) {
                // a loop repeats an earlier statement
                report.entries.push_back(report.entries[static_cast<size_t>(pick(random) % i)]);
                continue;
            }
            report.Add(static_cast<ImportReportEntry::Outcome>(pick(random) % 4),
                       files[pick(random) % 4], pick(random) % 5, whats[pick(random) % 5],
                       details[pick(random) % 3]);
        }
        const std::string text = report.Text();
        const std::string expected = ModelText(report);
        ASSERT_EQ(text.substr(0, expected.size()), expected) << "round " << round;
        // the summary line follows
        EXPECT_EQ(std::count(text.begin() + static_cast<std::ptrdiff_t>(expected.size()),
                             text.end(), '\n'),
                  1);
    }
}

}  // namespace
