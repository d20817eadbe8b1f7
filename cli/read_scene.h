// Reading a scene file for the batch tool's commands: options shared by dump, convert and
// check, and the problem lines they print.
#pragma once

#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "document/orvanta_doc.h"

// The document a batch command reads into. It is not freed piece by piece when the command
// ends: the process ends right after, and the system takes back all its memory at once (freeing
// a large scene object by object would take a good part of the command's time).
COrvantaDoc& BatchDocument();

// "--logs DIR": write the reader's logs "error.txt" and "out.txt" into DIR. Without it the
// batch tool writes no log files; the problems are printed instead.
SceneReadOptions ReadOptionsFrom(const Arguments& args);

// Opens path into doc; on failure reports why and returns false.
bool OpenScene(COrvantaDoc& doc, const std::string& path, const Arguments& args,
               SceneReadResult& result);

// "LINE: message" per problem (the message alone for line 0), UTF-8.
void PrintProblems(const ReadProblems& problems, FILE* out);
