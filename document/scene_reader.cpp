#include "document/scene_reader.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <new>
#include <optional>

#include "document/atomic_file.h"
#include "document/orvanta_doc.h"
#include "document/scene_scanner_state.h"
#include "document/scene_token_stream.h"
#include "model/pov_object.h"
#include "model/scene_host.h"
#include "model/text_format.h"
// generated: the parser's tokens, then the scanner's interface
#include "scene_parser.hpp"
#define YYSTYPE SCENE_YYSTYPE
#define YYLTYPE SCENE_YYLTYPE
#include "scene_scanner.hpp"

namespace {

// Sets the current document and the loading flag for the time of a read.
class LoadingScope {
  public:
    explicit LoadingScope(COrvantaDoc& doc)
        : previousDocument_(CurrentDocument), previousLoading_(LoadingScene) {
        CurrentDocument = &doc;
        LoadingScene = true;
    }
    ~LoadingScope() {
        CurrentDocument = previousDocument_;
        LoadingScene = previousLoading_;
    }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

  private:
    CSceneHost* previousDocument_;
    bool previousLoading_;
};

// The reentrant scanner, destroyed with its buffer whatever happens.
class Scanner {
  public:
    explicit Scanner(SceneScannerState& state) {
        ok_ = scene_yylex_init_extra(&state, &scanner_) == 0;
    }
    ~Scanner() {
        if (ok_)
            scene_yylex_destroy(scanner_);
    }
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    bool Ok() const { return ok_; }
    yyscan_t Get() const { return scanner_; }

  private:
    yyscan_t scanner_ = nullptr;
    bool ok_ = false;
};

}  // namespace

void ReverseList(CPovObject*& head) {
    CPovObject* reversed = nullptr;
    while (CPovObject* o = head) {
        head = o->NextSibling;
        LinkAtHead(reversed, o);
    }
    head = reversed;
}

SceneReadResult ReadSceneBuffer(COrvantaDoc& doc, std::string& buffer, bool restoreOrder,
                                const SceneProgress& progress, SceneReadThreads threads) {
    SceneReadResult result;
    if (buffer.size() < 2 || buffer[buffer.size() - 1] != '\0' ||
        buffer[buffer.size() - 2] != '\0') {
        result.ok = false;
        result.error = "The scene text does not end with two zero bytes.";
        return result;
    }
    LoadingScope loading(doc);
    SceneScannerState state;
    state.problems = &result.problems;
    {
        Scanner scanner(state);
        if (!scanner.Ok()) {
            result.problems.push_back({0, "No space for scanner!"});
            return result;
        }
        // A large text is scanned ahead on a thread of its own; the parser's scanner then only
        // carries the state that the parser consults.
        constexpr std::size_t kScanAheadBytes = std::size_t{1} << 20;
        std::optional<SceneTokenStream> stream;
        if (threads == SceneReadThreads::Helpers ||
            (threads == SceneReadThreads::Automatic && buffer.size() >= kScanAheadBytes)) {
            stream.emplace(buffer);
            if (stream->Ok()) {
                state.base = buffer.data();
                state.stream = &*stream;
            } else {
                stream.reset();
            }
        }
        TreePlacement placement;
        if (threads == SceneReadThreads::One)
            placement.background = false;
        if (threads == SceneReadThreads::Helpers)
            placement.backgroundFrom = placement.lag = placement.wakeAt = 1;
        SceneBuilder builder(doc, result.problems, &state, progress ? &progress : nullptr,
                             placement);
        try {
            if (!stream && !StartSceneBuffer(buffer, state, scanner.Get()))
                result.problems.push_back({0, "The scene is too large to read"});
            else
                scene_yyparse(scanner.Get(), builder);
        } catch (const SceneScanError& e) {
            result.problems.push_back({state.Line(), e.what()});
        } catch (const std::bad_alloc&) {
            result.problems.push_back({state.Line(), "Not enough memory to read the scene"});
        }
        result.output = stream ? stream->TakeOutput() : std::move(state.output);
        builder.Finish();
        result.objects = builder.ObjectCount();
        result.references = builder.TakeReferences();
    }
    if (restoreOrder) {
        ReverseList(doc.Objects);
        ReverseList(doc.Textures);
        ReverseList(doc.Halos);
        ReverseList(doc.Pigments);
    }
    return result;
}

std::vector<ScannedToken> ScanSceneTokens(std::string_view text, std::string* output) {
    std::vector<ScannedToken> tokens;
    std::string buffer(text);
    buffer.append(2, '\0');
    SceneScannerState state;
    Scanner scanner(state);
    if (!scanner.Ok() || !StartSceneBuffer(buffer, state, scanner.Get()))
        return tokens;
    SCENE_YYSTYPE value{};
    SCENE_YYLTYPE location{};
    while (int kind = scene_yylex(&value, &location, scanner.Get())) {
        ScannedToken& t = tokens.emplace_back();
        t.kind = kind;
        t.text.assign(value.text ? value.text : "", value.text ? value.length : 0);
        t.number = value.number;
        if (kind == T_VECTOR)
            t.components.assign(
                value.components,
                value.components + std::min(value.count, SceneToken::kMaxComponents));
        t.line = state.LineAt(location.offset);
    }
    if (output)
        *output = std::move(state.output);
    return tokens;
}

SceneReadResult ReadSceneText(COrvantaDoc& doc, std::string_view text, bool restoreOrder,
                              const SceneProgress& progress) {
    std::string buffer;
    buffer.reserve(text.size() + 2);
    buffer.append(text);
    buffer.append(2, '\0');
    return ReadSceneBuffer(doc, buffer, restoreOrder, progress);
}

bool LoadSceneFile(const std::string& path, std::string& buffer, std::string& error) {
    // the scanner counts a buffer's length in an int, and two zero bytes end it
    const FileResult read = ReadWholeFile(path, buffer, static_cast<size_t>(INT_MAX) - 2);
    if (!read.ok) {
        error = read.error;
        buffer.clear();
        return false;
    }
    buffer.append(2, '\0');
    return true;
}

std::string ErrorLogText(const ReadProblems& problems) {
    std::string text;
    for (const ReadProblem& p : problems) {
        if (p.line != 0)
            orv::AppendFormat(text, "%d: ", p.line);
        text += p.message;
        text += '\n';
    }
    return text;
}

bool WriteReadLogs(const std::string& folder, const SceneReadResult& result) {
    const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    const bool errors = WriteFileAtomically(base + "error.txt", ErrorLogText(result.problems)).ok;
    const bool output = WriteFileAtomically(base + "out.txt", result.output).ok;
    return errors && output;
}
