// What the scene-language front end hands on: the files it read, the top-level statements in
// their evaluated form, the declarations that named them and the problems it met.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "import/pov_value.h"

namespace pov {

struct Problem {
    SourceLoc loc;
    std::string message;
    // an error stopped or skipped part of the scene; otherwise a note
    bool error = true;
};

struct SourceFile {
    // the name as the scene wrote it (or the scene file's own name)
    std::string name;
    std::string path;
    std::string text;
    // one of POV-Ray's installed include files
    bool installed = false;
};

struct Statement {
    enum class Kind : uint8_t {
        Block,    // an object, light, camera, environment or settings statement
        Version,  // #version
        Default,  // #default { ... }
    };
    Kind kind = Kind::Block;
    std::shared_ptr<const Block> block;
    double version = 0.0;
    SourceLoc loc;
};

// The name under which a statement's evaluated text was declared.
struct Declaration {
    std::string name;
    uint32_t file = 0;
    // Held, so that no other statement takes its address while the scene is written: a block
    // declared with #local in an include file, or declared over, goes once its name does.
    std::shared_ptr<const Block> block;
};

struct EvaluatedScene {
    std::vector<SourceFile> files;
    std::vector<Statement> statements;
    std::vector<Problem> problems;
    // every declared statement by identity: the last name it was declared under
    std::unordered_map<const Block*, Declaration> declarations;
    // the installed include files the scene file itself included, in order, once each
    std::vector<std::string> installedIncludes;
    // what the scene wrote with #debug
    std::string debugText;
    // set when a limit or #error ended the evaluation early
    bool stopped = false;

    const std::string& FileName(uint32_t file) const { return files.at(file).name; }
};

}  // namespace pov
