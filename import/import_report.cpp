#include "import/import_report.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

#include "model/text_format.h"
#include "resources/ui_text.h"

void ImportReport::Add(ImportReportEntry::Outcome outcome, std::string file, int line,
                       std::string what, std::string detail) {
    ImportReportEntry e;
    e.outcome = outcome;
    e.file = std::move(file);
    e.line = line;
    e.what = std::move(what);
    e.detail = std::move(detail);
    entries.push_back(std::move(e));
}

size_t ImportReport::Count(ImportReportEntry::Outcome outcome) const {
    size_t n = 0;
    for (const ImportReportEntry& e : entries) {
        n += e.outcome == outcome ? 1 : 0;
    }
    return n;
}

bool ImportReport::AllEditable() const {
    return !stopped && Count(ImportReportEntry::Outcome::Editable) == entries.size();
}

namespace {

void AppendEntryLine(std::string& out, const ImportReportEntry& e) {
    const char* outcome = "";
    switch (e.outcome) {
        case ImportReportEntry::Outcome::Editable:
            outcome = "bearbeitbares Objekt";
            break;
        case ImportReportEntry::Outcome::Approximated:
            outcome = "angenähert";
            break;
        case ImportReportEntry::Outcome::Raw:
            outcome = "als POV-Ray-Text übernommen";
            break;
        case ImportReportEntry::Outcome::Problem:
            outcome = "Problem";
            break;
    }
    orv::AppendFormat(out, "%s:%d: %s: %s", e.file, e.line, e.what, Tr(outcome));
    if (!e.detail.empty()) {
        out += " (";
        out += e.detail;
        out += ")";
    }
}

void AppendCount(std::string& out, size_t count) {
    if (count > 1) {
        out += orv::Format(Tr(" (%lu mal)"), static_cast<unsigned long>(count));
    }
    out += "\n";
}

bool SameFields(const ImportReportEntry& a, const ImportReportEntry& b) {
    return a.line == b.line && a.outcome == b.outcome && a.file == b.file && a.what == b.what &&
           a.detail == b.detail;
}

}  // namespace

std::string ImportReport::Text() const {
    // One line per distinct entry, in the order first met; a loop's repeats are counted. The
    // entries are grouped by their fields (sorted, no map of texts): a scene of many objects
    // has as many entries, most of them distinct.
    auto before = [this](uint32_t a, uint32_t b) {
        const ImportReportEntry& x = entries[a];
        const ImportReportEntry& y = entries[b];
        if (x.line != y.line) {
            return x.line < y.line;
        }
        if (x.outcome != y.outcome) {
            return x.outcome < y.outcome;
        }
        if (const int c = x.file.compare(y.file); c != 0) {
            return c < 0;
        }
        if (const int c = x.what.compare(y.what); c != 0) {
            return c < 0;
        }
        if (const int c = x.detail.compare(y.detail); c != 0) {
            return c < 0;
        }
        return a < b;
    };
    std::vector<uint32_t> order(entries.size());
    for (uint32_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), before);
    // (first entry, count) of each group, then in the order first met
    std::vector<std::pair<uint32_t, size_t>> groups;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && SameFields(entries[order[i - 1]], entries[order[i]])) {
            ++groups.back().second;
        } else {
            groups.emplace_back(order[i], 1);
        }
    }
    std::sort(groups.begin(), groups.end());
    // Different fields read alike only when a file name or keyword holds a colon; then the
    // lines are merged by their text.
    bool colons = false;
    for (const auto& [first, n] : groups) {
        const ImportReportEntry& e = entries[first];
        colons = colons || e.file.find(':') != std::string::npos ||
                 e.what.find(':') != std::string::npos;
    }
    std::string out;
    if (!colons) {
        for (const auto& [first, n] : groups) {
            AppendEntryLine(out, entries[first]);
            AppendCount(out, n);
        }
    } else {
        std::vector<std::string> lines;
        std::vector<size_t> counts;
        std::unordered_map<std::string, size_t> byText;
        for (const auto& [first, n] : groups) {
            std::string line;
            AppendEntryLine(line, entries[first]);
            const auto [it, added] = byText.try_emplace(line, lines.size());
            if (added) {
                lines.push_back(std::move(line));
                counts.push_back(n);
            } else {
                counts[it->second] += n;
            }
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            out += lines[i];
            AppendCount(out, counts[i]);
        }
    }
    out +=
        orv::Format(Tr("%lu von %lu Formen als bearbeitbare Objekte, %lu angenähert, %lu als "
                       "POV-Ray-Text, %lu Probleme"),
                    static_cast<unsigned long>(editableShapes), static_cast<unsigned long>(shapes),
                    static_cast<unsigned long>(Count(ImportReportEntry::Outcome::Approximated)),
                    static_cast<unsigned long>(Count(ImportReportEntry::Outcome::Raw)),
                    static_cast<unsigned long>(Count(ImportReportEntry::Outcome::Problem)));
    out += "\n";
    if (stopped) {
        out += Tr("Das Lesen der Szene wurde abgebrochen; was davor stand, wurde übernommen.");
        out += "\n";
    }
    return out;
}
