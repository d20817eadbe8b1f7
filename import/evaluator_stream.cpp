// The evaluator's token stream: frames for the scene file, include files and macro bodies,
// one token of look-ahead, and the directives run as the stream passes them.
#include <filesystem>
#include <fstream>

#include "import/evaluator_internal.h"

namespace pov {

namespace fs = std::filesystem;

namespace {

bool ReadWholeFile(const std::string& path, size_t limit, std::string& text, std::string& why) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        why = fs::exists(path, ec) ? "is not a regular file" : "does not exist";
        return false;
    }
    const auto size = fs::file_size(path, ec);
    if (ec || size > limit) {
        why = ec ? "cannot be read" : "is too large";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot be opened";
        return false;
    }
    // read in one piece; a file that grew meanwhile is read to its end all the same
    text.resize(static_cast<size_t>(size));
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<size_t>(in.gcount()));
    }
    return true;
}

}  // namespace

std::string InstalledIncludeFolder() {
    for (const char* folder :
         {"/usr/share/povray-3.7/include", "/usr/local/share/povray-3.7/include",
          "/usr/share/povray/include"}) {
        std::error_code ec;
        if (fs::is_regular_file(fs::path(folder) / "colors.inc", ec)) {
            return folder;
        }
    }
    return {};
}

Evaluator::Evaluator(EvaluatedScene& out, const EvaluatorOptions& options,
                     const StatementSink* sink)
    : out_(out), options_(options), sink_(sink) {
    scopes_.emplace_back();
}

void Evaluator::Emit(Statement statement) {
    if (sink_ && *sink_ && (*sink_)(statement)) {
        return;
    }
    out_.statements.push_back(std::move(statement));
}

uint32_t Evaluator::AddFile(SourceFile file) {
    out_.files.push_back(std::move(file));
    return static_cast<uint32_t>(out_.files.size() - 1);
}

void Evaluator::Run(uint32_t file) {
    PushFile(file);
    try {
        ParseTopLevel();
    } catch (const StopEvaluation&) {
        out_.stopped = true;
    }
    frames_.clear();
    control_.clear();
}

SourceLoc Evaluator::Loc(const Token& t) const {
    SourceLoc loc;
    loc.file = frames_.empty() ? 0 : frames_.back().file;
    loc.line = t.line;
    return loc;
}

SourceLoc Evaluator::HereLoc() const {
    SourceLoc loc;
    if (!frames_.empty()) {
        loc.file = frames_.back().file;
        loc.line = frames_.back().lexer.Position().line;
    }
    return loc;
}

void Evaluator::Problem(SourceLoc loc, std::string message, bool error) {
    // a runaway loop may repeat one problem many times; keep the list readable
    if (out_.problems.size() >= 1000) {
        return;
    }
    out_.problems.push_back({loc, std::move(message), error});
}

void Evaluator::Stop(SourceLoc loc, std::string message) {
    out_.problems.push_back({loc, std::move(message), true});
    throw StopEvaluation{};
}

void Evaluator::CountToken() {
    if (++tokensRead_ > options_.limits.tokens) {
        Stop(HereLoc(), "the scene is too long to evaluate: reading stopped");
    }
}

void Evaluator::PushFile(uint32_t file) {
    if (static_cast<int>(frames_.size()) >= options_.limits.nesting) {
        Stop(HereLoc(), "too many nested macros and include files: reading stopped");
    }
    Frame f;
    f.kind = Frame::Kind::File;
    f.file = file;
    f.lexer = Lexer(out_.files[file].text);
    f.scopeBase = scopes_.size();
    f.controlBase = control_.size();
    frames_.push_back(std::move(f));
    // an include file has its own table for #local; the scene file shares the global one
    if (frames_.size() > 1) {
        scopes_.emplace_back();
    }
}

void Evaluator::PopFrame() {
    Frame& f = frames_.back();
    if (control_.size() > f.controlBase) {
        Problem(HereLoc(), "#end missing before the end of the " +
                               std::string(f.kind == Frame::Kind::Macro ? "macro" : "file"));
        control_.resize(f.controlBase);
    }
    if (f.lexer.Unterminated()) {
        Problem(HereLoc(), "a comment or string is not closed before the end of the file");
    }
    if (frames_.size() > 1 || f.kind == Frame::Kind::Macro) {
        scopes_.resize(f.scopeBase);
    }
    if (f.kind == Frame::Kind::File && frames_.size() > 1) {
        --includeDepth_;
    }
    frames_.pop_back();
}

Token Evaluator::RawNext() {
    while (!frames_.empty()) {
        Token t = Top().lexer.Next();
        if (t.kind != Token::Kind::End) {
            CountToken();
            return t;
        }
        if (Top().kind == Frame::Kind::Macro) {
            Problem(Loc(t), "#end missing at the end of the macro");
        }
        if (frames_.size() == 1) {
            if (control_.size() > Top().controlBase) {
                Problem(Loc(t), "#end missing before the end of the file");
                control_.resize(Top().controlBase);
            }
            if (Top().lexer.Unterminated()) {
                Problem(Loc(t), "a comment or string is not closed before the end of the file");
                Top().lexer.ClearUnterminated();
            }
            return t;
        }
        PopFrame();
    }
    return Token{};
}

Token Evaluator::Next() {
    return Fetch(false);
}

const Token& Evaluator::Peek() {
    if (!hasPeek_) {
        peek_ = Fetch(true);
        hasPeek_ = true;
    }
    return peek_;
}

Token Evaluator::Fetch(bool peeking) {
    for (;;) {
        Token t;
        if (hasPeek_) {
            hasPeek_ = false;
            t = peek_;
        } else {
            t = RawNext();
        }
        if (t.kind == Token::Kind::Directive) {
            // Looking ahead past the end of a directive's own expression stops before the next
            // directive: it runs when it is read, after the first one has finished.
            if (peeking && !directiveFrames_.empty() && directiveFrames_.back() == frames_.size()) {
                return t;
            }
            directiveFrames_.push_back(frames_.size());
            const bool known = HandleDirective(t);
            directiveFrames_.pop_back();
            if (!known) {
                Problem(Loc(t), "unknown directive #" + std::string(t.text));
            }
            continue;
        }
        if (t.kind == Token::Kind::Bad) {
            if (t.text.empty()) {
                Problem(Loc(t), "number out of range");
                t.kind = Token::Kind::Number;
                t.number = 0.0;
                return t;
            }
            Problem(Loc(t), "unexpected character '" + std::string(t.text) + "'");
            continue;
        }
        return t;
    }
}

bool Evaluator::ResolveInclude(const std::string& name, std::string& path, bool& installed) const {
    std::error_code ec;
    if (fs::path(name).is_absolute()) {
        path = name;
        installed = false;
        return fs::is_regular_file(path, ec);
    }
    std::vector<std::pair<fs::path, bool>> folders;
    if (!frames_.empty()) {
        const SourceFile& current = out_.files[frames_.back().file];
        folders.push_back({fs::path(current.path).parent_path(), current.installed});
    }
    if (!out_.files.empty()) {
        folders.push_back({fs::path(out_.files[0].path).parent_path(), false});
    }
    const std::string installedFolder = InstalledIncludeFolder();
    for (const std::string& f : options_.includeFolders) {
        folders.push_back({f, !installedFolder.empty() && fs::equivalent(f, installedFolder, ec)});
    }
    for (const auto& [folder, fromInstalled] : folders) {
        const fs::path candidate = folder / name;
        if (fs::is_regular_file(candidate, ec)) {
            path = candidate.string();
            installed = fromInstalled;
            return true;
        }
    }
    return false;
}

void Evaluator::Unpeek() {
    // the looked-ahead token came from the current frame: read it again later
    if (hasPeek_) {
        Top().lexer.Seek({peek_.offset, peek_.line});
        hasPeek_ = false;
    }
}

void Evaluator::Include(const std::string& name, SourceLoc where) {
    // the text after the #include's name is read after the included file
    Unpeek();
    std::string path;
    bool installed = false;
    if (!ResolveInclude(name, path, installed)) {
        Problem(where, "include file \"" + name + "\" not found");
        return;
    }
    if (includeDepth_ >= options_.limits.includeNesting) {
        Problem(where, "include files nested too deeply: \"" + name + "\" was not read");
        return;
    }
    SourceFile file;
    file.name = name;
    file.path = path;
    file.installed = installed;
    std::string why;
    if (!ReadWholeFile(path, options_.limits.fileBytes, file.text, why)) {
        Problem(where, "include file \"" + name + "\" " + why);
        return;
    }
    if (installed && frames_.size() == 1) {
        bool known = false;
        for (const std::string& n : out_.installedIncludes) {
            known = known || n == name;
        }
        if (!known) {
            out_.installedIncludes.push_back(name);
        }
    }
    ++includeDepth_;
    PushFile(AddFile(std::move(file)));
}

void EvaluateTextInto(EvaluatedScene& scene, std::string text, const std::string& name,
                      const std::string& folder, const EvaluatorOptions& options,
                      const StatementSink& sink) {
    Evaluator evaluator(scene, options, &sink);
    SourceFile file;
    file.name = fs::path(name).filename().string();
    file.path = (fs::path(folder) / file.name).string();
    file.text = std::move(text);
    evaluator.Run(evaluator.AddFile(std::move(file)));
}

void EvaluateFileInto(EvaluatedScene& scene, const std::string& path,
                      const EvaluatorOptions& options, const StatementSink& sink) {
    std::string text, why;
    if (!ReadWholeFile(path, options.limits.fileBytes, text, why)) {
        SourceFile file;
        file.name = fs::path(path).filename().string();
        file.path = path;
        scene.files.push_back(std::move(file));
        scene.problems.push_back({SourceLoc{0, 0}, "the file " + why, true});
        scene.stopped = true;
        return;
    }
    EvaluateTextInto(scene, std::move(text), path, fs::path(path).parent_path().string(), options,
                     sink);
}

EvaluatedScene EvaluateText(std::string text, const std::string& name, const std::string& folder,
                            const EvaluatorOptions& options) {
    EvaluatedScene scene;
    EvaluateTextInto(scene, std::move(text), name, folder, options, {});
    return scene;
}

EvaluatedScene EvaluateFile(const std::string& path, const EvaluatorOptions& options) {
    EvaluatedScene scene;
    EvaluateFileInto(scene, path, options, {});
    return scene;
}

}  // namespace pov
