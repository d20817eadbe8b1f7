#include "import/scene_importer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unordered_set>

#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "import/object_mapper.h"
#include "import/pov_evaluator.h"
#include "model/scene_host.h"

namespace {

namespace fs = std::filesystem;

// A file the scene names relative to its own folder (an image, a font, a density file) is
// named by its full path in the imported scene, which may be saved in another folder.
void NameFilesByPath(pov::Block& block, const fs::path& folder,
                     std::unordered_set<const pov::Block*>& seen) {
    // most statements of a large scene hold only numbers: nothing to name, nothing to remember
    const bool names = std::any_of(block.items.begin(), block.items.end(), [](const pov::Item& i) {
        return i.value.block || i.value.kind == pov::Value::Kind::String;
    });
    if (!names || !seen.insert(&block).second) {
        return;
    }
    for (pov::Item& item : block.items) {
        if (item.value.block) {
            NameFilesByPath(const_cast<pov::Block&>(*item.value.block), folder, seen);
        }
        if (item.kind != pov::Item::Kind::Value || item.value.kind != pov::Value::Kind::String) {
            continue;
        }
        const std::string& name = item.value.text;
        std::error_code ec;
        if (name.empty() || name.size() > 4096 || fs::path(name).is_absolute() ||
            !fs::is_regular_file(folder / name, ec)) {
            continue;
        }
        item.value.text = fs::absolute(folder / name, ec).lexically_normal().string();
    }
}

// A mapped statement of plain values that nothing else holds is freed at once, so that the
// objects made from a large scene reuse its memory. Statements with nested blocks stay: the
// mapping knows the blocks it has named by address.
void ReleaseIfAlone(pov::Statement& s, const pov::EvaluatedScene& scene) {
    if (!s.block || s.block.use_count() != 1 || scene.declarations.count(s.block.get()) != 0) {
        return;
    }
    for (const pov::Item& item : s.block->items) {
        if (item.value.block || item.value.array) {
            return;
        }
    }
    s.block.reset();
}

ImportReport MapScene(pov::EvaluatedScene scene, COrvantaDoc& doc) {
    // the whole import is one step: one undo takes every object, declaration and setting of
    // it back
    const std::string name =
        scene.files.empty() ? std::string() : fs::path(scene.files[0].name).filename().string();
    EditStep step(doc, StepLabel("Importieren") + (name.empty() ? "" : " " + name));
    doc.History().RecordLists();
    doc.History().RecordSettings();
    ImportReport report;
    report.stopped = scene.stopped;
    report.entries.reserve(scene.statements.size() + scene.problems.size());
    for (const pov::Problem& p : scene.problems) {
        if (p.error) {
            report.Add(ImportReportEntry::Outcome::Problem,
                       p.loc.file < scene.files.size() ? scene.files[p.loc.file].name : "",
                       static_cast<int>(p.loc.line), "", p.message);
        }
    }
    // objects take names without searching the list each time, as while a file is read
    CSceneHost* const previousDocument = CurrentDocument;
    const bool previousLoading = LoadingScene;
    CurrentDocument = &doc;
    LoadingScene = true;
    {
        pov::ObjectMapper mapper(scene, doc, report);
        // each statement's files are named just before it is mapped, while it is at hand: a
        // statement refers only to blocks made before any was mapped
        const fs::path folder =
            scene.files.empty() ? fs::path() : fs::path(scene.files[0].path).parent_path();
        std::unordered_set<const pov::Block*> named;
        for (pov::Statement& s : scene.statements) {
            if (s.block && !scene.files.empty()) {
                NameFilesByPath(const_cast<pov::Block&>(*s.block), folder, named);
            }
            mapper.MapStatement(s);
            ReleaseIfAlone(s, scene);
        }
        std::vector<CPovObject*> objects = mapper.TakeObjects();
        // the document's list is newest first; the scene's first statement is written first
        for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
            doc.InsertObject(*it);
        }
    }
    LoadingScene = previousLoading;
    CurrentDocument = previousDocument ? previousDocument : &doc;
    doc.Pov3() = 1;
    for (const std::string& include : scene.installedIncludes) {
        auto& list = doc.UserIncludes();
        if (std::find(list.begin(), list.end(), include) == list.end()) {
            list.push_back(include);
        }
    }
    doc.SetModifiedFlag(true);
    return report;
}

pov::EvaluatorOptions Options() {
    pov::EvaluatorOptions options;
    const std::string installed = pov::InstalledIncludeFolder();
    if (!installed.empty()) {
        options.includeFolders.push_back(installed);
    }
    return options;
}

}  // namespace

ImportReport ImportPovScene(const std::string& path, COrvantaDoc& doc) {
    return MapScene(pov::EvaluateFile(path, Options()), doc);
}

ImportReport ImportPovSceneText(const std::string& text, const std::string& name,
                                const std::string& folder, COrvantaDoc& doc,
                                const pov::EvaluatorLimits& limits) {
    pov::EvaluatorOptions options = Options();
    options.limits = limits;
    return MapScene(pov::EvaluateText(text, name, folder, options), doc);
}

bool ShouldImport(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext != ".pov" && ext != ".inc") {
        return false;
    }
    // the modeller's own files start with its author marker
    std::ifstream in(path, std::ios::binary);
    char head[12] = {};
    in.read(head, sizeof head - 1);
    return std::string_view(head).rfind("//$author:$", 0) != 0;
}
