// Directives: conditionals, loops, #switch, macros, declarations, #include, #version,
// #default and the message directives. They run as the token stream passes them.
#include <algorithm>
#include <cmath>

#include "import/evaluator_internal.h"

namespace pov {

namespace {

bool Among(std::string_view w, std::initializer_list<std::string_view> list) {
    for (std::string_view s : list) {
        if (s == w) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool Evaluator::HandleDirective(const Token& t) {
    const std::string_view d = t.text;
    if (d == "if") {
        DirectiveIf(t, false, false);
    } else if (d == "ifdef") {
        DirectiveIf(t, true, false);
    } else if (d == "ifndef") {
        DirectiveIf(t, true, true);
    } else if (d == "else" || d == "elseif") {
        DirectiveElse(t);
    } else if (d == "end") {
        DirectiveEnd(t);
    } else if (d == "while") {
        DirectiveWhile(t);
    } else if (d == "for") {
        DirectiveFor(t);
    } else if (d == "switch") {
        DirectiveSwitch(t);
    } else if (d == "case" || d == "range") {
        DirectiveCase(t, d == "range");
    } else if (d == "break") {
        DirectiveBreak(t);
    } else if (d == "macro") {
        DirectiveMacro(t);
    } else if (d == "declare" || d == "local") {
        DirectiveDeclare(t, d == "local");
    } else if (d == "undef") {
        DirectiveUndef(t);
    } else if (d == "include") {
        const std::string name = ParseString();
        Include(name, Loc(t));
    } else if (d == "version") {
        DirectiveVersion(t);
    } else if (d == "default") {
        DirectiveDefault(t);
    } else if (Among(d, {"debug", "warning", "error", "render", "statistics"})) {
        DirectiveMessage(t, d);
    } else if (Among(d, {"fopen", "fclose", "read", "write"})) {
        DirectiveFile(t);
    } else if (d == "max_trace_level" || d == "max_intersections") {
        ParseFloat();
    } else {
        return false;
    }
    return true;
}

Token Evaluator::SkipTo(std::initializer_list<std::string_view> stops) {
    int depth = 0;
    for (;;) {
        Token t = Top().lexer.Next();
        if (t.kind == Token::Kind::End) {
            return t;
        }
        CountToken();
        if (t.kind != Token::Kind::Directive) {
            continue;
        }
        if (Among(t.text, {"if", "ifdef", "ifndef", "while", "for", "switch", "macro"})) {
            ++depth;
        } else if (t.text == "end") {
            if (depth == 0) {
                return t;
            }
            --depth;
        } else if (depth == 0 && Among(t.text, stops)) {
            return t;
        }
    }
}

bool Evaluator::Truth(const Value& v) const {
    return std::fabs(v.kind == Value::Kind::String ? 1.0 : v.v[0]) > 1e-10;
}

bool Evaluator::ParseCondition() {
    Expect('(', "'(' before the condition");
    Value v = ParseExpression(true);
    Expect(')', "')' after the condition");
    return Truth(v);
}

bool Evaluator::ParseDefinedCondition() {
    Expect('(', "'(' before the identifier");
    Token name = Next();
    bool defined = false;
    if (name.kind != Token::Kind::Word) {
        Problem(Loc(name), "identifier expected after #ifdef or #ifndef");
    } else {
        Symbol* s = Lookup(name.text);
        defined = s != nullptr && (s->macro || (s->value && s->value->kind != Value::Kind::None));
        if (Peek().Is('[')) {
            Value* slot = nullptr;
            if (s && s->value && s->value->kind == Value::Kind::Array) {
                ParseArrayElement(name, *s->value, &slot);
                defined = slot != nullptr && slot->kind != Value::Kind::None;
            } else {
                while (Peek().Is('[')) {
                    Next();
                    ParseExpression();
                    Expect(']', "']'");
                }
                defined = false;
            }
        }
    }
    Expect(')', "')' after the identifier");
    return defined;
}

void Evaluator::DirectiveIf(const Token& t, bool ifdef, bool negate) {
    bool cond = ifdef ? ParseDefinedCondition() : ParseCondition();
    if (negate) {
        cond = !cond;
    }
    for (;;) {
        if (cond) {
            Control c;
            c.kind = Control::Kind::If;
            control_.push_back(c);
            return;
        }
        Token s = SkipTo({"else", "elseif"});
        if (s.kind == Token::Kind::End) {
            Problem(Loc(t), "#end missing for this #if");
            return;
        }
        if (s.text == "end") {
            return;
        }
        cond = s.text == "else" ? true : ParseCondition();
    }
}

void Evaluator::DirectiveElse(const Token& t) {
    if (control_.size() > Top().controlBase &&
        (control_.back().kind == Control::Kind::If ||
         (control_.back().kind == Control::Kind::Switch && t.text == "else"))) {
        // the branch that ran ends here
        control_.pop_back();
        if (SkipTo({}).kind == Token::Kind::End) {
            Problem(Loc(t), "#end missing after this #" + std::string(t.text));
        }
        return;
    }
    Problem(Loc(t), "#" + std::string(t.text) + " without #if");
}

void Evaluator::CountLoop(SourceLoc loc) {
    if (++loopsRun_ > options_.limits.loopIterations) {
        Stop(loc, "loops ran more than " + std::to_string(options_.limits.loopIterations) +
                      " times: reading stopped (runaway loop?)");
    }
}

void Evaluator::DirectiveEnd(const Token& t) {
    if (control_.size() > Top().controlBase) {
        Control c = control_.back();
        control_.pop_back();
        if (c.kind == Control::Kind::While) {
            CountLoop(Loc(t));
            Top().lexer.Seek(c.restart);
            if (ParseCondition()) {
                control_.push_back(c);
            } else if (SkipTo({}).kind == Token::Kind::End) {
                Problem(Loc(t), "#end missing for this #while");
            }
        } else if (c.kind == Control::Kind::For) {
            CountLoop(Loc(t));
            Symbol* s = Lookup(c.forName);
            if (!s || !s->value || s->value->kind != Value::Kind::Float) {
                Problem(Loc(t), "the #for loop's counter " + c.forName + " is no longer a number");
                return;
            }
            const double next = s->value->v[0] + c.forStep;
            *s->value = Value::Float(next);
            if (c.forStep > 0 ? next <= c.forEnd : next >= c.forEnd) {
                Top().lexer.Seek(c.restart);
                control_.push_back(c);
            }
        }
        return;
    }
    if (Top().kind == Frame::Kind::Macro) {
        PopFrame();
        return;
    }
    Problem(Loc(t), "#end without #if, #while, #for, #switch or #macro");
}

void Evaluator::DirectiveWhile(const Token& t) {
    Control c;
    c.kind = Control::Kind::While;
    c.restart = Top().lexer.Position();
    if (ParseCondition()) {
        control_.push_back(c);
    } else if (SkipTo({}).kind == Token::Kind::End) {
        Problem(Loc(t), "#end missing for this #while");
    }
}

void Evaluator::DirectiveFor(const Token& t) {
    Expect('(', "'(' after #for");
    Token name = Next();
    if (name.kind != Token::Kind::Word) {
        Problem(Loc(name), "loop counter expected after #for (");
    }
    Expect(',', "',' after the loop counter");
    const double start = ParseFloat();
    Expect(',', "',' after the start value");
    const double end = ParseFloat();
    double step = 1.0;
    if (Peek().Is(',')) {
        Next();
        step = ParseFloat();
    }
    Expect(')', "')' at the end of #for");
    if (step == 0.0) {
        Problem(Loc(t), "#for with a step of 0: the loop was skipped");
        SkipTo({});
        return;
    }
    Control c;
    c.kind = Control::Kind::For;
    c.restart = Top().lexer.Position();
    c.forName = std::string(name.text);
    c.forEnd = end;
    c.forStep = step;
    Symbol& s = Assign(c.forName, true);
    *s.value = Value::Float(start);
    if (step > 0 ? start <= end : start >= end) {
        control_.push_back(c);
    } else if (SkipTo({}).kind == Token::Kind::End) {
        Problem(Loc(t), "#end missing for this #for");
    }
}

void Evaluator::DirectiveSwitch(const Token& t) {
    Expect('(', "'(' after #switch");
    Control c;
    c.kind = Control::Kind::Switch;
    c.switchValue = ParseExpression(true).v[0];
    Expect(')', "')' after the #switch value");
    control_.push_back(c);
    SeekSwitchClause(Loc(t));
}

void Evaluator::SeekSwitchClause(SourceLoc loc) {
    const double value = control_.back().switchValue;
    for (;;) {
        Token s = SkipTo({"case", "range", "else"});
        if (s.kind == Token::Kind::End) {
            Problem(loc, "#end missing for this #switch");
            control_.pop_back();
            return;
        }
        if (s.text == "end") {
            control_.pop_back();
            return;
        }
        if (s.text == "else") {
            return;
        }
        Expect('(', "'(' after #case or #range");
        bool taken;
        if (s.text == "case") {
            taken = std::fabs(ParseExpression(true).v[0] - value) < 1e-10;
        } else {
            const double lo = ParseFloat();
            Expect(',', "',' between the #range limits");
            const double hi = ParseFloat();
            taken = lo <= value && value <= hi;
        }
        Expect(')', "')' after the #case or #range value");
        if (taken) {
            return;
        }
    }
}

void Evaluator::DirectiveCase(const Token& t, bool range) {
    if (control_.size() <= Top().controlBase || control_.back().kind != Control::Kind::Switch) {
        Problem(Loc(t), std::string(range ? "#range" : "#case") + " outside #switch");
        return;
    }
    // a clause that ran without #break falls through into this one: its condition is read but
    // not tested (POV-Ray 3.7 behaves like C here)
    Expect('(', "'(' after #case or #range");
    ParseExpression(true);
    if (range) {
        Expect(',', "',' between the #range limits");
        ParseExpression(true);
    }
    Expect(')', "')' after the #case or #range value");
}

void Evaluator::DirectiveBreak(const Token& t) {
    for (size_t i = control_.size(); i > Top().controlBase; --i) {
        const Control::Kind k = control_[i - 1].kind;
        if (k == Control::Kind::If) {
            continue;
        }
        // leave the innermost loop or #switch, skipping the #end of every #if inside it
        const size_t ends = control_.size() - (i - 1);
        for (size_t n = 0; n < ends; ++n) {
            if (SkipTo({}).kind == Token::Kind::End) {
                Problem(Loc(t), "#end missing after #break");
                break;
            }
        }
        control_.resize(i - 1);
        return;
    }
    if (Top().kind == Frame::Kind::Macro) {
        control_.resize(Top().controlBase);
        PopFrame();
        return;
    }
    Problem(Loc(t), "#break outside a loop, #switch or macro");
}

void Evaluator::DirectiveMacro(const Token& t) {
    Token name = Next();
    auto def = std::make_shared<MacroDef>();
    def->file = Top().file;
    if (name.kind != Token::Kind::Word) {
        Problem(Loc(name), "macro name expected after #macro");
    }
    def->name = std::string(name.text);
    Expect('(', "'(' after the macro name");
    while (!Peek().Is(')')) {
        Token p = Next();
        if (p.kind == Token::Kind::End) {
            break;
        }
        if (p.kind == Token::Kind::Word) {
            def->params.emplace_back(p.text);
        } else if (!p.Is(',')) {
            Problem(Loc(p), "parameter name expected in #macro");
        }
    }
    Expect(')', "')' after the macro parameters");
    def->body = Top().lexer.Position();
    if (SkipTo({}).kind == Token::Kind::End) {
        Problem(Loc(t), "#end missing for macro " + def->name);
    }
    Symbol& s = scopes_.front()[def->name];
    s.value.reset();
    s.macro = std::move(def);
    s.file = Top().file;
}

void Evaluator::InvokeMacro(const Token& nameToken, const std::shared_ptr<const MacroDef>& macro) {
    const SourceLoc loc = Loc(nameToken);
    Expect('(', "'(' after the macro name");
    std::vector<Symbol> args;
    while (!Peek().Is(')') && Peek().kind != Token::Kind::End) {
        Token a = Next();
        Symbol arg;
        Symbol* existing = a.kind == Token::Kind::Word ? Lookup(a.text) : nullptr;
        if (existing && existing->value && !existing->macro &&
            existing->value->kind != Value::Kind::None && (Peek().Is(',') || Peek().Is(')'))) {
            // a plain identifier is passed by reference
            arg.value = existing->value;
        } else {
            arg.value = std::make_shared<Value>(ParseRValue(a));
        }
        args.push_back(std::move(arg));
        if (Peek().Is(',')) {
            Next();
        }
    }
    Expect(')', "')' after the macro arguments");
    if (args.size() != macro->params.size()) {
        Problem(loc, "macro " + macro->name + " takes " + std::to_string(macro->params.size()) +
                         " arguments, " + std::to_string(args.size()) + " given");
    }
    if (static_cast<int>(frames_.size()) >= options_.limits.nesting) {
        Stop(loc, "macros nested more than " + std::to_string(options_.limits.nesting) +
                      " deep: reading stopped (runaway recursion?)");
    }
    Frame f;
    f.kind = Frame::Kind::Macro;
    f.file = macro->file;
    f.lexer = Lexer(out_.files[macro->file].text);
    f.lexer.Seek(macro->body);
    f.scopeBase = scopes_.size();
    f.controlBase = control_.size();
    frames_.push_back(std::move(f));
    SymbolTable& table = scopes_.emplace_back();
    for (size_t i = 0; i < macro->params.size(); ++i) {
        Symbol& s = table[macro->params[i]];
        s.value = i < args.size() ? args[i].value : std::make_shared<Value>();
        s.file = macro->file;
    }
}

Symbol* Evaluator::Lookup(std::string_view name) {
    const std::string key(name);
    for (size_t i = scopes_.size(); i-- > 0;) {
        auto it = scopes_[i].find(key);
        if (it != scopes_[i].end()) {
            return &it->second;
        }
    }
    return nullptr;
}

Symbol& Evaluator::Assign(const std::string& name, bool local, size_t scopes) {
    const size_t open = scopes == 0 ? scopes_.size() : std::min(scopes, scopes_.size());
    Symbol* target = nullptr;
    if (local) {
        target = &scopes_[open - 1][name];
    } else {
        for (size_t i = open; i-- > 0 && !target;) {
            auto it = scopes_[i].find(name);
            if (it != scopes_[i].end()) {
                target = &it->second;
            }
        }
        if (!target) {
            target = &scopes_.front()[name];
        }
    }
    target->macro.reset();
    if (!target->value) {
        target->value = std::make_shared<Value>();
    }
    target->file = frames_.empty() ? 0 : Top().file;
    return *target;
}

bool Evaluator::Undefine(std::string_view name) {
    const std::string key(name);
    for (size_t i = scopes_.size(); i-- > 0;) {
        if (scopes_[i].erase(key) > 0) {
            return true;
        }
    }
    return false;
}

void Evaluator::RecordDeclaration(const std::string& name, const Value& value, uint32_t file) {
    if (value.kind == Value::Kind::Block && value.block) {
        out_.declarations.try_emplace(value.block.get(), Declaration{name, file, value.block});
    }
}

void Evaluator::DirectiveDeclare(const Token& t, bool local) {
    Token name = Next();
    if (name.IsWord("deprecated")) {
        if (Peek().IsWord("once")) {
            Next();
        }
        if (Peek().kind == Token::Kind::String) {
            Next();
        }
        name = Next();
    }
    if (name.kind != Token::Kind::Word) {
        Problem(Loc(name), "identifier expected after #" + std::string(t.text));
        return;
    }
    const std::string id(name.text);
    if (IsReservedWord(id)) {
        Problem(Loc(name), "the reserved word " + id + " cannot be declared");
    }
    // an array element
    Value* element = nullptr;
    if (Peek().Is('[')) {
        Symbol* s = Lookup(id);
        if (!s || !s->value || s->value->kind != Value::Kind::Array) {
            Problem(Loc(name), id + " is not an array");
            while (Peek().Is('[')) {
                Next();
                ParseExpression();
                Expect(']', "']'");
            }
        } else {
            ParseArrayElement(name, *s->value, &element);
        }
    }
    Expect('=', "'=' in the declaration");
    const size_t scopes = scopes_.size();
    Token first = Next();
    Value v = ParseRValue(first);
    // the identifier exists before the look-ahead for ';' runs any directive that follows
    if (element) {
        *element = std::move(v);
    } else {
        Symbol& s = Assign(id, local, scopes);
        RecordDeclaration(id, v, s.file);
        *s.value = std::move(v);
    }
    if (Peek().Is(';')) {
        Next();
    }
}

void Evaluator::DirectiveUndef(const Token& t) {
    Token name = Next();
    if (name.kind != Token::Kind::Word || !Undefine(name.text)) {
        Problem(Loc(t), "#undef of an identifier that is not declared", false);
    }
}

void Evaluator::DirectiveVersion(const Token& t) {
    version_ = ParseFloat();
    if (Peek().Is(';')) {
        Next();
    }
    if (frames_.size() == 1) {
        Statement s;
        s.kind = Statement::Kind::Version;
        s.version = version_;
        s.loc = Loc(t);
        Emit(std::move(s));
    }
}

void Evaluator::DirectiveDefault(const Token& t) {
    Expect('{', "'{' after #default");
    Statement s;
    s.kind = Statement::Kind::Default;
    s.loc = Loc(t);
    s.block = ParseBlock("#default", s.loc, '}');
    Emit(std::move(s));
}

void Evaluator::DirectiveMessage(const Token& t, std::string_view kind) {
    const std::string text = ParseString();
    if (kind == "error") {
        Stop(Loc(t), "the scene stopped with #error: " + text);
    }
    if (kind == "warning") {
        Problem(Loc(t), "the scene warns: " + text, false);
    } else if (out_.debugText.size() < (1u << 20)) {
        out_.debugText += text;
    }
}

void Evaluator::DirectiveFile(const Token& t) {
    const std::string d(t.text);
    Problem(Loc(t), "#" + d + " (reading and writing text files) is not carried out");
    if (d == "fopen") {
        Next();
        ParseString();
        Next();
    } else if (d == "fclose") {
        Next();
    } else {
        Expect('(', "'('");
        int depth = 1;
        while (depth > 0) {
            Token a = Next();
            if (a.kind == Token::Kind::End) {
                break;
            }
            depth += a.Is('(') ? 1 : a.Is(')') ? -1 : 0;
        }
    }
}

}  // namespace pov
