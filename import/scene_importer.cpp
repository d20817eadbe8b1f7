#include "import/scene_importer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
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

// A statement of plain values that nothing else holds: it can be mapped while the evaluation
// goes on, as no later declaration or statement can change how it maps, and freed at once, so
// that the next statements and the objects reuse its memory. Statements with nested blocks
// wait for the end and stay: the mapping knows the blocks it has named by address.
bool StandsAlone(const pov::Statement& s, const pov::EvaluatedScene& scene) {
    if (!s.block) {
        return s.kind == pov::Statement::Kind::Version;
    }
    if (s.block.use_count() != 1 || scene.declarations.count(s.block.get()) != 0) {
        return false;
    }
    return std::none_of(s.block->items.begin(), s.block->items.end(),
                        [](const pov::Item& item) { return item.value.block || item.value.array; });
}

// Maps the statements of a scene into a document as one step: one undo takes every object,
// declaration and setting of it back. The statements that stand alone are mapped as the
// evaluation hands them over, as long as every statement before them has been mapped; the
// others are mapped in their order when the evaluation has ended.
class SceneMapping {
  public:
    SceneMapping(pov::EvaluatedScene& scene, COrvantaDoc& doc, const std::string& name)
        : scene_(scene),
          doc_(doc),
          step_(doc, StepLabel("Importieren") + (name.empty() ? "" : " " + name)),
          previousDocument_(CurrentDocument),
          previousLoading_(LoadingScene) {
        doc.History().RecordLists();
        doc.History().RecordSettings();
        // objects take names without searching the list each time, as while a file is read
        CurrentDocument = &doc;
        LoadingScene = true;
    }
    ~SceneMapping() { RestoreGlobals(); }
    SceneMapping(const SceneMapping&) = delete;
    SceneMapping& operator=(const SceneMapping&) = delete;

    pov::StatementSink Sink(ImportFlow flow) {
        if (flow == ImportFlow::MapAfterEvaluating) {
            return {};
        }
        return [this](pov::Statement& s) { return Take(s); };
    }

    ImportReport Finish() {
        Mapper();
        report_.entries.reserve(report_.entries.size() + scene_.statements.size() +
                                scene_.problems.size());
        for (pov::Statement& s : scene_.statements) {
            if (s.block) {
                NameFilesByPath(const_cast<pov::Block&>(*s.block), Folder(), named_);
            }
        }
        for (pov::Statement& s : scene_.statements) {
            mapper_->MapStatement(s);
            if (StandsAlone(s, scene_)) {
                s.block.reset();
            }
        }
        std::vector<CPovObject*> objects = mapper_->TakeObjects();
        // the document's list is newest first; the scene's first statement is written first
        for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
            doc_.InsertObject(*it);
        }
        mapper_.reset();
        RestoreGlobals();
        doc_.Pov3() = 1;
        for (const std::string& include : scene_.installedIncludes) {
            auto& list = doc_.UserIncludes();
            if (std::find(list.begin(), list.end(), include) == list.end()) {
                list.push_back(include);
            }
        }
        doc_.SetModifiedFlag(true);
        // the evaluation's errors come first, then what became of each statement
        std::vector<ImportReportEntry> problems;
        for (const pov::Problem& p : scene_.problems) {
            if (p.error) {
                problems.push_back({ImportReportEntry::Outcome::Problem,
                                    p.loc.file < scene_.files.size() ? scene_.files[p.loc.file].name
                                                                     : std::string(),
                                    static_cast<int>(p.loc.line), "", p.message});
            }
        }
        report_.entries.insert(report_.entries.begin(), std::make_move_iterator(problems.begin()),
                               std::make_move_iterator(problems.end()));
        report_.stopped = scene_.stopped;
        return std::move(report_);
    }

  private:
    bool Take(pov::Statement& s) {
        if (!reserved_ && !scene_.files.empty()) {
            // a large scene has a statement on each line, as generated scenes are written:
            // its report grows in one piece
            const std::string& text = scene_.files[0].text;
            report_.entries.reserve(
                static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
            reserved_ = true;
        }
        streaming_ = streaming_ && StandsAlone(s, scene_);
        if (!streaming_) {
            return false;
        }
        if (s.block) {
            // its block is freed and its address taken again: it is not remembered
            std::unordered_set<const pov::Block*> once;
            NameFilesByPath(const_cast<pov::Block&>(*s.block), Folder(), once);
        }
        Mapper().MapStatement(s);
        return true;
    }

    // made when the first statement is mapped: after the evaluation when none could be mapped
    // before
    pov::ObjectMapper& Mapper() {
        if (!mapper_) {
            mapper_.emplace(scene_, doc_, report_);
        }
        return *mapper_;
    }

    const fs::path& Folder() {
        if (folder_.empty() && !scene_.files.empty()) {
            folder_ = fs::path(scene_.files[0].path).parent_path();
        }
        return folder_;
    }

    void RestoreGlobals() {
        if (restored_) {
            return;
        }
        restored_ = true;
        LoadingScene = previousLoading_;
        CurrentDocument = previousDocument_ ? previousDocument_ : &doc_;
    }

    pov::EvaluatedScene& scene_;
    COrvantaDoc& doc_;
    EditStep step_;
    ImportReport report_;
    std::optional<pov::ObjectMapper> mapper_;
    CSceneHost* const previousDocument_;
    const bool previousLoading_;
    bool restored_ = false;
    // every statement so far has been mapped
    bool streaming_ = true;
    bool reserved_ = false;
    fs::path folder_;
    std::unordered_set<const pov::Block*> named_;
};

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
    pov::EvaluatedScene scene;
    SceneMapping mapping(scene, doc, fs::path(path).filename().string());
    pov::EvaluateFileInto(scene, path, Options(), mapping.Sink(ImportFlow::MapWhileEvaluating));
    return mapping.Finish();
}

ImportReport ImportPovSceneText(const std::string& text, const std::string& name,
                                const std::string& folder, COrvantaDoc& doc,
                                const pov::EvaluatorLimits& limits, ImportFlow flow) {
    pov::EvaluatorOptions options = Options();
    options.limits = limits;
    pov::EvaluatedScene scene;
    SceneMapping mapping(scene, doc, fs::path(name).filename().string());
    pov::EvaluateTextInto(scene, text, name, folder, options, mapping.Sink(flow));
    return mapping.Finish();
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
