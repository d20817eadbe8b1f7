#include "import/import_report.h"

#include <map>

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

std::string EntryLine(const ImportReportEntry& e) {
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
    std::string line = orv::Format("%s:%d: %s: %s", e.file, e.line, e.what, Tr(outcome));
    if (!e.detail.empty()) {
        line += " (" + e.detail + ")";
    }
    return line;
}

}  // namespace

std::string ImportReport::Text() const {
    // one line per distinct entry, in the order first met; a loop's repeats are counted
    std::vector<std::string> ordered;
    std::map<std::string, size_t> counts;
    for (const ImportReportEntry& e : entries) {
        std::string line = EntryLine(e);
        if (counts[line]++ == 0) {
            ordered.push_back(std::move(line));
        }
    }
    std::string out;
    for (const std::string& l : ordered) {
        out += l;
        if (counts[l] > 1) {
            out += orv::Format(Tr(" (%lu mal)"), static_cast<unsigned long>(counts[l]));
        }
        out += "\n";
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
