#include "document/scene_token_stream.h"

#include <algorithm>
#include <climits>
#include <new>
#include <system_error>
#include <utility>

// generated: the parser's tokens, then the scanner's interface
#include "scene_parser.hpp"
#define YYSTYPE SCENE_YYSTYPE
#define YYLTYPE SCENE_YYLTYPE
#include "scene_scanner.hpp"

int scene_yylex_raw(SCENE_YYSTYPE* value, SCENE_YYLTYPE* location, yyscan_t scanner);

namespace {

// Tokens per chunk, and chunks the scanner may run ahead: far enough that the parser does not
// wait when the scanner's core is busy with other work for a while.
constexpr std::size_t kChunkTokens = 2048;
constexpr std::size_t kChunksAhead = 16;
// the scanner starts again when this few are left
constexpr std::size_t kRefillAt = kChunksAhead / 2;

}  // namespace

bool StartSceneBuffer(std::string& buffer, SceneScannerState& state, void* scanner) {
    if (buffer.size() > static_cast<std::size_t>(INT_MAX) - 2)
        return false;
    if (!scene_yy_scan_buffer(buffer.data(), buffer.size(), scanner))
        return false;
    scene_yyset_lineno(1, scanner);
    scene_yyset_column(0, scanner);
    state.base = buffer.data();
    return true;
}

SceneTokenStream::SceneTokenStream(std::string& buffer) {
    if (scene_yylex_init_extra(&scanning_, &scanner_) != 0) {
        scanner_ = nullptr;
        return;
    }
    if (!StartSceneBuffer(buffer, scanning_, scanner_))
        return;
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        return;
    }
    ok_ = true;
}

SceneTokenStream::~SceneTokenStream() {
    Stop();
    if (scanner_)
        scene_yylex_destroy(scanner_);
}

void SceneTokenStream::Stop() {
    if (!thread_.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void SceneTokenStream::Produce(Chunk& chunk) {
    chunk.items.clear();
    chunk.components.clear();
    chunk.problems.clear();
    chunk.before.clear();
    chunk.end = chunk.failed = chunk.outOfMemory = false;
    chunk.message.clear();
    scanning_.problems = &chunk.problems;
    SceneToken value{};
    SceneLocation location{};
    while (chunk.items.size() < kChunkTokens) {
        int kind = 0;
        try {
            kind = scene_yylex_raw(&value, &location, scanner_);
        } catch (const SceneScanError& e) {
            chunk.failed = true;
            chunk.message = e.what();
        } catch (const std::bad_alloc&) {
            chunk.failed = true;
            chunk.outOfMemory = true;
        }
        chunk.before.resize(chunk.problems.size(), chunk.items.size());
        if (chunk.failed) {
            chunk.items.push_back({0, 0, location.offset, scanning_.offset, scanning_.output.size(),
                                   nullptr, 0, 0.0, 0});
            chunk.end = true;
            break;
        }
        const int count = kind == T_VECTOR ? std::min(value.count, SceneToken::kMaxComponents) : 0;
        chunk.items.push_back({kind, kind == T_VECTOR ? value.count : 0, location.offset,
                               scanning_.offset, scanning_.output.size(), value.text, value.length,
                               value.number, static_cast<std::uint32_t>(chunk.components.size())});
        chunk.components.insert(chunk.components.end(), value.components, value.components + count);
        if (kind == 0) {
            chunk.end = true;
            break;
        }
    }
    scanning_.problems = nullptr;
}

void SceneTokenStream::Run() {
    for (;;) {
        std::unique_ptr<Chunk> chunk;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            // a full queue is refilled once the parser has nearly emptied it: the threads
            // wake each other a few times, not at every chunk
            if (ready_.size() >= kChunksAhead)
                changed_.wait(lock, [this] { return stop_ || ready_.size() <= kRefillAt; });
            if (stop_)
                break;
            if (!spare_.empty()) {
                chunk = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        try {
            if (!chunk)
                chunk = std::make_unique<Chunk>();
            Produce(*chunk);
        } catch (const std::bad_alloc&) {
            // no room even for the chunk: the read ends here as out of memory
            chunk.reset();
        }
        const bool end = !chunk || chunk->end;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ready_.push_back(std::move(chunk));
        }
        changed_.notify_all();
        if (end)
            break;
    }
}

std::unique_ptr<SceneTokenStream::Chunk> SceneTokenStream::Take() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (current_)
        spare_.push_back(std::move(current_));
    changed_.wait(lock, [this] { return !ready_.empty(); });
    std::unique_ptr<Chunk> chunk = std::move(ready_.front());
    ready_.pop_front();
    const bool refill = ready_.size() <= kRefillAt;
    lock.unlock();
    if (refill)
        changed_.notify_all();
    if (!chunk)
        throw std::bad_alloc();
    return chunk;
}

int SceneTokenStream::Next(SceneToken& value, SceneLocation& location, SceneScannerState& state) {
    if (ended_ || !ok_) {
        value = SceneToken{};
        return 0;
    }
    if (!current_ || item_ == current_->items.size()) {
        current_ = Take();
        item_ = 0;
        problem_ = 0;
    }
    const Chunk& chunk = *current_;
    for (; problem_ < chunk.problems.size() && chunk.before[problem_] <= item_; ++problem_)
        if (state.problems)
            state.problems->push_back(chunk.problems[problem_]);
    const Item& item = chunk.items[item_++];
    location.offset = item.offset;
    state.offset = item.matched;
    output_ = item.output;
    if (chunk.end && item_ == chunk.items.size()) {
        ended_ = true;
        if (chunk.outOfMemory)
            throw std::bad_alloc();
        if (chunk.failed)
            throw SceneScanError(chunk.message.c_str());
    }
    value.text = item.text;
    value.length = item.length;
    value.number = item.number;
    value.count = item.count;
    const int count = std::min(item.count, SceneToken::kMaxComponents);
    std::copy_n(chunk.components.begin() + item.first, count, value.components);
    return item.kind;
}

std::string SceneTokenStream::TakeOutput() {
    Stop();
    // a read that stopped early leaves what was scanned beyond it out
    scanning_.output.resize(std::min(output_, scanning_.output.size()));
    return std::move(scanning_.output);
}
