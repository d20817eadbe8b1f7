// The evaluator's state, shared by its source files: the token stream with its frames
// (scene file, include files, macro bodies), the control stack of the conditional and loop
// directives, the symbol tables, and the parser that builds values and statements on top.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/pov_evaluator.h"
#include "import/pov_lexer.h"
#include "import/pov_value.h"

namespace pov {

struct MacroDef {
    std::string name;
    std::vector<std::string> params;
    uint32_t file = 0;
    LexPosition body;
};

// A symbol's storage is shared so that a macro parameter passed as a plain identifier refers
// to the caller's variable.
struct Symbol {
    std::shared_ptr<Value> value;
    std::shared_ptr<const MacroDef> macro;
    uint32_t file = 0;
};

using SymbolTable = std::unordered_map<std::string, Symbol>;

// A stopped evaluation unwinds with this (limits, #error).
struct StopEvaluation {};

class Evaluator {
  public:
    Evaluator(EvaluatedScene& out, const EvaluatorOptions& options,
              const StatementSink* sink = nullptr);
    void Run(uint32_t file);
    // adds a file to the file table and returns its number
    uint32_t AddFile(SourceFile file);

  private:
    // ---- token stream (evaluator_stream.cpp) ----
    struct Frame {
        enum class Kind : uint8_t { File, Macro };
        Kind kind = Kind::File;
        uint32_t file = 0;
        Lexer lexer;
        // symbol tables and control entries below these belong to enclosing frames
        size_t scopeBase = 0;
        size_t controlBase = 0;
    };
    struct Control {
        enum class Kind : uint8_t { If, While, For, Switch };
        Kind kind = Kind::If;
        LexPosition restart;  // a #while's condition, a #for's body
        std::string forName;
        double forEnd = 0.0;
        double forStep = 1.0;
        double switchValue = 0.0;
    };

    Token Next();
    const Token& Peek();
    Token Fetch(bool peeking);
    // takes back the look-ahead token so that the lexer reads it again
    void Unpeek();
    Token RawNext();
    Frame& Top() { return frames_.back(); }
    SourceLoc Loc(const Token& t) const;
    SourceLoc HereLoc() const;
    void PushFile(uint32_t file);
    void PopFrame();
    void Include(const std::string& name, SourceLoc where);
    bool ResolveInclude(const std::string& name, std::string& path, bool& installed) const;
    void CountToken();
    void Problem(SourceLoc loc, std::string message, bool error = true);
    // hands a top-level statement to the sink, or keeps it in the scene's list
    void Emit(Statement statement);
    [[noreturn]] void Stop(SourceLoc loc, std::string message);

    // ---- directives (evaluator_directives.cpp) ----
    // returns false for an unknown directive
    bool HandleDirective(const Token& t);
    void DirectiveIf(const Token& t, bool ifdef, bool negate);
    void DirectiveElse(const Token& t);
    void DirectiveEnd(const Token& t);
    void DirectiveWhile(const Token& t);
    void DirectiveFor(const Token& t);
    void DirectiveSwitch(const Token& t);
    void DirectiveCase(const Token& t, bool range);
    void DirectiveBreak(const Token& t);
    void DirectiveMacro(const Token& t);
    void DirectiveDeclare(const Token& t, bool local);
    void DirectiveUndef(const Token& t);
    void DirectiveVersion(const Token& t);
    void DirectiveDefault(const Token& t);
    void DirectiveMessage(const Token& t, std::string_view kind);
    void DirectiveFile(const Token& t);
    // Skips raw text of the current frame to the next directive in stops at nesting level 0
    // and returns it (consumed); an End token when the frame ends first.
    Token SkipTo(std::initializer_list<std::string_view> stops);
    // the switch entries' clause search: runs or skips clauses until one is taken
    void SeekSwitchClause(SourceLoc loc);
    bool ParseCondition();
    bool ParseDefinedCondition();
    void CountLoop(SourceLoc loc);
    void InvokeMacro(const Token& nameToken, const std::shared_ptr<const MacroDef>& macro);

    // ---- symbols ----
    Symbol* Lookup(std::string_view name);
    // #declare: the most local existing symbol, else a new global one; #local: current level
    // Declares in the innermost of the first `scopes` scopes (all when 0) or, not local, where
    // the name already is; a value from a macro call is declared where the directive stood,
    // not in the called macro's scope, which is still open when the value has been read.
    Symbol& Assign(const std::string& name, bool local, size_t scopes = 0);
    bool Undefine(std::string_view name);
    void RecordDeclaration(const std::string& name, const Value& value, uint32_t file);

    // ---- expressions (evaluator_expressions.cpp) ----
    // full: relational, logical and conditional operators are allowed (inside parentheses)
    Value ParseExpression(bool full = false);
    Value ParseExpressionFrom(const Token& first, bool full = false);
    Value ParseTernary(const Token* first);
    Value ParseLogical(const Token* first);
    Value ParseRelational(const Token* first);
    Value ParseAdditive(const Token* first);
    Value ParseTerm(const Token* first);
    Value ParseUnary(const Token* first);
    Value ParsePrimary(const Token& t);
    Value ParsePostfix(Value v);
    Value ParseVectorLiteral(const Token& open);
    // a vector component's number (a problem when it is not one)
    double ComponentValue(const Value& v, const Token& open);
    Value ParseIdentifierValue(const Token& t, Symbol& symbol);
    Value ParseArrayElement(const Token& t, Value& arrayValue, Value** slot);
    Value ParseColorKeywords(Value start);
    void ApplyColorModifiers(Value& color);
    Value ParseColorPrefix(std::string_view word, SourceLoc loc);
    double ParseFloat();
    std::string ParseString();
    std::array<double, 5> ParseVector(int n);
    void Expect(char c, const char* what);
    bool IsExpressionWord(std::string_view w) const;
    Value Binary(char op, const Value& a, const Value& b, SourceLoc loc);
    bool Truth(const Value& v) const;

    // ---- built-in functions (evaluator_functions.cpp) ----
    // true when word names a built-in function or constant; the value is in out
    bool CallBuiltin(const Token& t, Value& out);
    std::vector<Value> ParseArguments(const Token& t, size_t min, size_t max);
    Value ExtentOf(const Token& t, bool max);

    // ---- statements and blocks (evaluator_blocks.cpp) ----
    void ParseTopLevel();
    std::shared_ptr<Block> ParseBlock(std::string keyword, SourceLoc loc, char closer);
    void ParseItems(Block& block, char closer);
    // the items of a block up to its closer, into items (block gives the keyword and place
    // that problems quote)
    void GatherItems(const Block& block, std::vector<Item>& items, char closer);
    void ParseFunctionBody(Block& block);
    Value ParseRValue(const Token& first);
    Value ParseArrayDeclaration(const Token& t);
    void FillArray(Array& array, size_t dim, size_t& index, SourceLoc loc);

    EvaluatedScene& out_;
    const EvaluatorOptions& options_;
    const StatementSink* sink_ = nullptr;
    std::vector<Frame> frames_;
    std::vector<Control> control_;
    // the frame depth of each directive being run (its look-ahead stops at directives)
    std::vector<size_t> directiveFrames_;
    std::vector<SymbolTable> scopes_;
    Token peek_;
    bool hasPeek_ = false;
    size_t tokensRead_ = 0;
    size_t loopsRun_ = 0;
    int blockDepth_ = 0;
    // the lists that gather a block's items, one for each depth of nested blocks
    std::vector<std::vector<Item>> itemLists_;
    size_t itemDepth_ = 0;
    int includeDepth_ = 0;
    double version_ = 3.62;
    uint32_t seedCount_ = 0;
    std::vector<uint32_t> randomStreams_;
    // function parameter names that a function body keeps as they are
    std::vector<std::string> functionParams_;
    bool inFunction_ = false;
    double assumedGamma_ = 1.0;
};

// Words POV-Ray reserves; a word that is neither one nor declared is an error.
bool IsReservedWord(std::string_view word);

}  // namespace pov
