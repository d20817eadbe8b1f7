// Reading scene files into a document: runs the scanner and the parser over the whole text in
// memory and returns what went wrong, line by line. Nothing here ends the process or touches
// the process's standard streams; a read that fails half way keeps what it built.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/read_problem.h"
#include "document/scene_builder.h"

class COrvantaDoc;

struct SceneReadOptions {
    // status text while reading ("Lade Objekt %ld, Name: %s", "Verschiebe %s"); may be empty
    SceneProgress progress;
    // When not empty, the logs "error.txt" (one "%d: message" line per problem) and "out.txt"
    // (the bytes that started no token) are written into this folder.
    std::string logFolder;
};

struct SceneReadResult {
    // false when the file could not be read at all; error says why
    bool ok = true;
    std::string error;
    // syntax errors and dropped values, in the order met; empty for a clean read
    ReadProblems problems;
    // the bytes that started no token
    std::string output;
    // objects finished in this read
    long objects = 0;
    // the names of textures, pigments and halos the scene refers to
    std::vector<SceneNameReference> references;
};

// Reads scene text into doc (which becomes the current document while reading, with
// LoadingScene set). Read objects go to the heads of the document's lists, newest first; with
// restoreOrder the lists end in the order the file has them (as they were when it was saved).
SceneReadResult ReadSceneText(COrvantaDoc& doc, std::string_view text, bool restoreOrder,
                              const SceneProgress& progress = {});

// Which threads help a read. Automatic: a large text (a megabyte or more) is scanned ahead of
// the parser on a thread of its own, and a read without progress (a batch read) of many
// objects places them on another while it goes on. One: all on the calling thread. Helpers:
// both from the first token and the first object (for tests). The result is the same.
enum class SceneReadThreads { Automatic, One, Helpers };

// The same for a buffer that the reader may use in place: it must end with two zero bytes,
// which are not part of the text.
SceneReadResult ReadSceneBuffer(COrvantaDoc& doc, std::string& buffer, bool restoreOrder,
                                const SceneProgress& progress = {},
                                SceneReadThreads threads = SceneReadThreads::Automatic);

// Reads a whole file into buffer followed by two zero bytes.
bool LoadSceneFile(const std::string& path, std::string& buffer, std::string& error);

// Writes "error.txt" and "out.txt" into folder.
bool WriteReadLogs(const std::string& folder, const SceneReadResult& result);

// The text of the error log: "%d: message" per problem ("message" alone for line 0).
std::string ErrorLogText(const ReadProblems& problems);

// One token as the scanner sees it (for tests and diagnostics).
struct ScannedToken {
    // the parser's token code (scene_parser.hpp), or the character for punctuation
    int kind = 0;
    std::string text;
    double number = 0.0;
    // a vector token's components
    std::vector<double> components;
    int line = 0;
};

// The tokens of text; output receives the bytes that started no token.
std::vector<ScannedToken> ScanSceneTokens(std::string_view text, std::string* output = nullptr);

// Puts a list in the opposite order.
void ReverseList(CPovObject*& head);
