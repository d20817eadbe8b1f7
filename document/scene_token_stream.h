// The scene scanner run ahead of the parser, on a thread of its own: it hands the tokens over
// in chunks through a short queue, while the parser and the builder work on the calling thread.
// The parser gets the tokens that scanning in turn gives it, and the scanner's problems land in
// the read's list just before the token after them, where scanning in turn puts them.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "document/read_problem.h"
#include "document/scene_scanner_state.h"
#include "document/scene_token.h"

// Starts scanner on buffer in place (it ends with two zero bytes) and points state at it. flex
// leaves the line number of such a buffer unset, so it starts at 1 here; flex counts the
// buffer's length in an int, so a larger buffer is refused.
bool StartSceneBuffer(std::string& buffer, SceneScannerState& state, void* scanner);

class SceneTokenStream {
  public:
    // buffer ends with two zero bytes and outlives the stream
    explicit SceneTokenStream(std::string& buffer);
    ~SceneTokenStream();
    SceneTokenStream(const SceneTokenStream&) = delete;
    SceneTokenStream& operator=(const SceneTokenStream&) = delete;

    // false when the scanner or its thread could not start
    bool Ok() const { return ok_; }

    // The next token, as the scanner returns it; state.offset becomes its offset, and the
    // scanner's problems met before it go to state.problems. A fatal scanner error is thrown
    // again here, where the parser meets it. After the end, the end again.
    int Next(SceneToken& value, SceneLocation& location, SceneScannerState& state);

    // Stops scanning: the bytes that started no token up to the token handed out last.
    std::string TakeOutput();

  private:
    struct Item {
        int kind;
        int count;
        // the parser's location of the token, and where the text matched last starts
        std::size_t offset;
        std::size_t matched;
        // the length of the output log after it
        std::size_t output;
        const char* text;
        std::size_t length;
        double number;
        // a vector's components, from here in the chunk's components
        std::uint32_t first;
    };
    struct Chunk {
        std::vector<Item> items;
        std::vector<double> components;
        std::vector<ReadProblem> problems;
        // the index of the item each problem comes before
        std::vector<std::size_t> before;
        // the last item ends the text
        bool end = false;
        // how it ended when the scanner failed
        bool failed = false;
        bool outOfMemory = false;
        std::string message;
    };

    void Produce(Chunk& chunk);
    void Run();
    // ends the scanning thread, wherever it is
    void Stop();
    std::unique_ptr<Chunk> Take();

    bool ok_ = false;
    SceneScannerState scanning_;
    void* scanner_ = nullptr;
    bool ended_ = false;

    std::unique_ptr<Chunk> current_;
    std::size_t item_ = 0;
    std::size_t problem_ = 0;
    std::size_t output_ = 0;

    // the scanning thread and its queue
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<Chunk>> ready_;
    std::vector<std::unique_ptr<Chunk>> spare_;
    bool stop_ = false;
    std::thread thread_;
};
