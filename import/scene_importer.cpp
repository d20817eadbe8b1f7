#include "import/scene_importer.h"

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "import/object_mapper.h"
#include "import/pov_evaluator.h"
#include "model/scene_host.h"
#include "model/text_format.h"
#include "resources/ui_text.h"

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

// A statement of plain values that nothing else holds: no later declaration or statement can
// change how it maps, so it can be mapped while the evaluation goes on, and freed at once, so
// that the next statements and the objects reuse its memory. Statements with nested blocks
// stay until the end: the mapping knows the blocks it has named by address.
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

// Starts a thread with a large stack: evaluating a scene recurses once per nested block, macro
// and include file, and freeing a chain of nested blocks as deep. False when none could be made.
bool StartThread(pthread_t& thread, void* (*run)(void*), void* argument) {
    constexpr size_t kStackBytes = 64u << 20;
    pthread_attr_t attributes;
    if (pthread_attr_init(&attributes) != 0) {
        return false;
    }
    pthread_attr_setstacksize(&attributes, kStackBytes);
    const bool started = pthread_create(&thread, &attributes, run, argument) == 0;
    pthread_attr_destroy(&attributes);
    return started;
}

// thrown into the evaluation when the mapping has failed and wants no more statements
struct MappingAbandoned {};

// The statements that stand alone, handed from the evaluating thread to the mapping one in the
// scene's order, with the names of the files read so far.
class StatementQueue {
  public:
    // evaluating thread: hands over the statements and the names of the files added since the
    // last hand-over
    void Put(std::vector<pov::Statement>& statements, const pov::EvaluatedScene& scene) {
        std::vector<std::shared_ptr<const pov::Block>> mapped;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            mapped.swap(mapped_);
            for (size_t i = namesSent_; i < scene.files.size(); ++i) {
                names_.push_back(scene.files[i].name);
            }
            namesSent_ = scene.files.size();
            std::move(statements.begin(), statements.end(), std::back_inserter(statements_));
        }
        statements.clear();
        ready_.notify_one();
        // the mapped statements are freed where they were made: the two threads do not take
        // turns at one heap
        mapped.clear();
    }
    // mapping thread: statements it has mapped, for the evaluating thread to free
    void Return(std::vector<std::shared_ptr<const pov::Block>>& mapped) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (ended_) {
            return;
        }
        if (mapped_.empty()) {
            mapped_.swap(mapped);
        } else {
            std::move(mapped.begin(), mapped.end(), std::back_inserter(mapped_));
        }
    }
    // evaluating thread: the evaluation has ended (failure: how, when it threw)
    void End(std::exception_ptr failure) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            ended_ = true;
            failure_ = std::move(failure);
        }
        ready_.notify_one();
    }
    // mapping thread: waits for the next statements and new file names, calling whileWaiting
    // (when given) every few hundredths of a second meanwhile; false when the evaluation has
    // ended and everything was taken
    bool Take(std::vector<pov::Statement>& statements, std::vector<std::string>& names,
              const std::function<void()>& whileWaiting) {
        std::unique_lock<std::mutex> lock(mutex_);
        const auto ready = [this] { return ended_ || !statements_.empty() || !names_.empty(); };
        if (whileWaiting) {
            while (!ready_.wait_for(lock, kWaitStep, ready)) {
                lock.unlock();
                whileWaiting();
                lock.lock();
            }
        } else {
            ready_.wait(lock, ready);
        }
        // the queue keeps the emptied lists' room for the next hand-over
        statements.clear();
        names.clear();
        statements.swap(statements_);
        names.swap(names_);
        return !statements.empty() || !names.empty() || !ended_;
    }
    // mapping thread, after the evaluation has ended
    std::exception_ptr Failure() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return failure_;
    }
    // evaluating thread: about how many statements the scene will hand over
    void Expect(size_t statements) {
        const std::lock_guard<std::mutex> lock(mutex_);
        expected_ = statements;
    }
    size_t Expected() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return expected_;
    }
    void Abandon() { abandoned_ = true; }
    bool Abandoned() const { return abandoned_; }
    // evaluating thread: the file and line the evaluation has reached
    void Reached(const std::string& file, uint32_t line) {
        const std::lock_guard<std::mutex> lock(mutex_);
        reachedFile_ = file;
        reachedLine_ = line;
    }
    // any thread: where the evaluation is, as a status text (empty before the first statement)
    std::string Position() {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (reachedFile_.empty()) {
            return {};
        }
        return orv::Format(Tr("Lese %s, Zeile %lu"), reachedFile_.c_str(),
                           static_cast<unsigned long>(reachedLine_));
    }

  private:
    static constexpr std::chrono::milliseconds kWaitStep{40};

    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<pov::Statement> statements_;
    std::vector<std::shared_ptr<const pov::Block>> mapped_;
    std::vector<std::string> names_;
    size_t namesSent_ = 0;
    size_t expected_ = 0;
    std::string reachedFile_;
    uint32_t reachedLine_ = 0;
    bool ended_ = false;
    std::exception_ptr failure_;
    std::atomic<bool> abandoned_{false};
};

// The evaluation of a scene on a thread of its own, handing the statements that stand alone to
// the mapping as they come, as long as every statement before them was handed over too.
class EvaluationThread {
  public:
    using Evaluate = std::function<void(pov::EvaluatedScene&, const pov::StatementSink&)>;

    EvaluationThread(pov::EvaluatedScene& scene, StatementQueue& queue, Evaluate evaluate)
        : scene_(scene), queue_(queue), evaluate_(std::move(evaluate)) {
        started_ = StartThread(thread_, &EvaluationThread::Run, this);
    }
    ~EvaluationThread() {
        if (started_) {
            queue_.Abandon();
            pthread_join(thread_, nullptr);
        }
    }
    EvaluationThread(const EvaluationThread&) = delete;
    EvaluationThread& operator=(const EvaluationThread&) = delete;

    // false when no thread could be made
    bool Started() const { return started_; }
    // waits for the end of the evaluation
    void Join() {
        if (started_) {
            pthread_join(thread_, nullptr);
            started_ = false;
        }
    }

  private:
    static constexpr size_t kBatch = 64;
    // how often the statement reached is told to the mapping thread
    static constexpr size_t kReachedEvery = 256;

    static void* Run(void* self) {
        static_cast<EvaluationThread*>(self)->Work();
        return nullptr;
    }
    void Work() {
        std::exception_ptr failure;
        try {
            const pov::StatementSink sink = [this](pov::Statement& s) { return Take(s); };
            evaluate_(scene_, sink);
            queue_.Put(batch_, scene_);
        } catch (const MappingAbandoned&) {
        } catch (...) {
            failure = std::current_exception();
        }
        queue_.End(failure);
    }
    bool Take(pov::Statement& s) {
        if (queue_.Abandoned()) {
            throw MappingAbandoned();
        }
        if (statementsSeen_++ % kReachedEvery == 0 && s.loc.file < scene_.files.size()) {
            queue_.Reached(scene_.files[s.loc.file].name, s.loc.line);
        }
        if (!streaming_) {
            return false;
        }
        if (!StandsAlone(s, scene_)) {
            // this one and all after it are mapped when the evaluation has ended
            streaming_ = false;
            queue_.Put(batch_, scene_);
            return false;
        }
        if (!lines_ && !scene_.files.empty()) {
            // a large scene has a statement on each line, as generated scenes are written:
            // its report can grow in one piece
            const std::string& text = scene_.files[0].text;
            lines_ = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
            queue_.Expect(lines_);
        }
        batch_.push_back(std::move(s));
        if (batch_.size() >= kBatch) {
            queue_.Put(batch_, scene_);
        }
        return true;
    }

    pov::EvaluatedScene& scene_;
    StatementQueue& queue_;
    const Evaluate evaluate_;
    std::vector<pov::Statement> batch_;
    size_t lines_ = 0;
    size_t statementsSeen_ = 0;
    // every statement so far was handed over
    bool streaming_ = true;
    pthread_t thread_{};
    bool started_ = false;
};

// What an import leaves behind: the evaluated scene and the mapper's tables.
struct Leftovers {
    pov::EvaluatedScene scene;
    std::unordered_set<const pov::Block*> named;
    // refers to the scene: freed first
    std::optional<pov::ObjectMapper> mapper;
};

// Frees what an import leaves behind on a thread of its own: a large scene leaves hundreds of
// thousands of blocks, which the window need not wait for. The next import and the end of the
// program wait for the last one.
class Disposer {
  public:
    static Disposer& Instance() {
        static Disposer disposer;
        return disposer;
    }
    ~Disposer() { Wait(); }
    Disposer(const Disposer&) = delete;
    Disposer& operator=(const Disposer&) = delete;

    void Wait() {
        const std::lock_guard<std::mutex> lock(mutex_);
        Join();
    }

    void Free(std::unique_ptr<Leftovers> leftovers) {
        const std::lock_guard<std::mutex> lock(mutex_);
        Join();
        pending_ = std::move(leftovers);
        started_ = StartThread(thread_, &Disposer::Run, this);
        if (!started_) {
            pending_.reset();
        }
    }

  private:
    Disposer() = default;
    static void* Run(void* self) {
        static_cast<Disposer*>(self)->pending_.reset();
        return nullptr;
    }
    void Join() {
        if (started_) {
            pthread_join(thread_, nullptr);
            started_ = false;
        }
    }

    std::mutex mutex_;
    std::unique_ptr<Leftovers> pending_;
    pthread_t thread_{};
    bool started_ = false;
};

// How an import runs: the evaluation on a second thread while this one maps what it hands
// over, or both on this thread one after the other. The two give the same document and report.
using Evaluate = EvaluationThread::Evaluate;

// how often the mapping of the statements held until the end reports its progress
constexpr size_t kProgressEvery = 64;

ImportReport ImportScene(const Evaluate& evaluate, const std::string& name, const fs::path& folder,
                         COrvantaDoc& doc, ImportFlow flow, const ImportProgress& progress) {
    // the whole import is one step: one undo takes every object, declaration and setting of
    // it back
    EditStep step(doc, StepLabel("Importieren") + (name.empty() ? "" : " " + name));
    doc.History().RecordLists();
    doc.History().RecordSettings();
    ImportReport report;
    auto leftovers = std::make_unique<Leftovers>();
    pov::EvaluatedScene& scene = leftovers->scene;
    // objects take names without searching the list each time, as while a file is read
    CSceneHost* const previousDocument = CurrentDocument;
    const bool previousLoading = LoadingScene;
    CurrentDocument = &doc;
    LoadingScene = true;
    struct Restore {
        CSceneHost* document;
        bool loading;
        COrvantaDoc& doc;
        bool done = false;
        void Now() {
            if (!done) {
                done = true;
                LoadingScene = loading;
                CurrentDocument = document ? document : &doc;
            }
        }
        ~Restore() { Now(); }
    } restore{previousDocument, previousLoading, doc};
    {
        pov::ObjectMapper& mapper = leftovers->mapper.emplace(scene, doc, report);
        std::unordered_set<const pov::Block*>& named = leftovers->named;
        auto map = [&](pov::Statement& s) {
            if (s.block) {
                NameFilesByPath(const_cast<pov::Block&>(*s.block), folder, named);
            }
            mapper.MapStatement(s);
        };
        // a mapped statement's block that is to be freed: its address may be taken again, so
        // it is not remembered
        auto letGo = [&](pov::Statement& s) {
            named.erase(s.block.get());
            return std::move(s.block);
        };
        StatementQueue queue;
        std::optional<EvaluationThread> evaluation;
        if (flow == ImportFlow::MapWhileEvaluating) {
            evaluation.emplace(scene, queue, evaluate);
        }
        if (evaluation && evaluation->Started()) {
            std::vector<pov::Statement> statements;
            std::vector<std::string> names;
            std::vector<std::shared_ptr<const pov::Block>> mapped;
            bool reserved = false;
            std::function<void()> whileWaiting;
            if (progress) {
                whileWaiting = [&] { progress(queue.Position()); };
            }
            while (queue.Take(statements, names, whileWaiting)) {
                if (!reserved && !statements.empty()) {
                    report.entries.reserve(queue.Expected());
                    reserved = true;
                }
                mapper.KnowFiles(names);
                for (pov::Statement& s : statements) {
                    map(s);
                    if (auto block = letGo(s)) {
                        mapped.push_back(std::move(block));
                    }
                }
                queue.Return(mapped);
                mapped.clear();
                if (progress) {
                    progress(queue.Position());
                }
            }
            evaluation->Join();
            if (std::exception_ptr failure = queue.Failure()) {
                std::rethrow_exception(failure);
            }
        } else {
            evaluate(scene, {});
        }
        mapper.KnowFiles(scene.files);
        report.entries.reserve(report.entries.size() + scene.statements.size() +
                               scene.problems.size());
        for (size_t i = 0; i < scene.statements.size(); ++i) {
            pov::Statement& s = scene.statements[i];
            if (progress && i % kProgressEvery == 0) {
                progress(orv::Format(Tr("Übernehme Anweisung %lu von %lu"),
                                     static_cast<unsigned long>(i + 1),
                                     static_cast<unsigned long>(scene.statements.size())));
            }
            map(s);
            if (StandsAlone(s, scene)) {
                letGo(s);
            }
        }
        // the objects still to be placed are placed now; a status text stays as it is meanwhile
        std::function<void()> breathe;
        if (progress) {
            breathe = [&] { progress({}); };
        }
        std::vector<CPovObject*> objects = mapper.TakeObjects(breathe);
        // the document's list is newest first; the scene's first statement is written first
        for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
            doc.InsertObject(*it);
        }
    }
    restore.Now();
    doc.Pov3() = 1;
    for (const std::string& include : scene.installedIncludes) {
        auto& list = doc.UserIncludes();
        if (std::find(list.begin(), list.end(), include) == list.end()) {
            list.push_back(include);
        }
    }
    doc.SetModifiedFlag(true);
    // the evaluation's errors come first, then what became of each statement
    std::vector<ImportReportEntry> problems;
    for (const pov::Problem& p : scene.problems) {
        if (p.error) {
            problems.push_back(
                {ImportReportEntry::Outcome::Problem,
                 p.loc.file < scene.files.size() ? scene.files[p.loc.file].name : std::string(),
                 static_cast<int>(p.loc.line), "", p.message});
        }
    }
    report.entries.insert(report.entries.begin(), std::make_move_iterator(problems.begin()),
                          std::make_move_iterator(problems.end()));
    report.stopped = scene.stopped;
    Disposer::Instance().Free(std::move(leftovers));
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

ImportReport ImportPovScene(const std::string& path, COrvantaDoc& doc, ImportFlow flow,
                            const ImportProgress& progress) {
    const pov::EvaluatorOptions options = Options();
    return ImportScene(
        [&](pov::EvaluatedScene& scene, const pov::StatementSink& sink) {
            pov::EvaluateFileInto(scene, path, options, sink);
        },
        fs::path(path).filename().string(), fs::path(path).parent_path(), doc, flow, progress);
}

ImportReport ImportPovSceneText(const std::string& text, const std::string& name,
                                const std::string& folder, COrvantaDoc& doc,
                                const pov::EvaluatorLimits& limits, ImportFlow flow) {
    pov::EvaluatorOptions options = Options();
    options.limits = limits;
    const std::string file = fs::path(name).filename().string();
    return ImportScene(
        [&](pov::EvaluatedScene& scene, const pov::StatementSink& sink) {
            pov::EvaluateTextInto(scene, text, name, folder, options, sink);
        },
        file, (fs::path(folder) / file).parent_path(), doc, flow, {});
}

void WaitForImportLeftovers() {
    Disposer::Instance().Wait();
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
