// Statements and their blocks: every "keyword { ... }" is read into a Block whose items are
// keywords, evaluated values, nested blocks and references to declared statements. Function
// bodies keep their tokens, with declared numbers put in.
#include <iterator>

#include "import/evaluator_internal.h"

namespace pov {

namespace {

// function names that some statements use as plain keywords (julia_fractal's "sqr", "exp")
bool IsFunctionName(std::string_view w) {
    static constexpr std::string_view kNames[] = {
        "abs", "acos", "acosh", "asin", "asinh", "atan", "atanh", "cos",  "cosh", "exp", "ln",
        "log", "pow",  "sin",   "sinh", "sqr",   "sqrt", "tan",   "tanh", "max",  "min", "mod"};
    for (const std::string_view n : kNames) {
        if (w == n) {
            return true;
        }
    }
    return false;
}

// a token after a value that makes the value part of a longer expression
bool ContinuesExpression(const Token& t) {
    return t.Is('+') || t.Is('-') || t.Is('*') || t.Is('/') || t.Is('.');
}

bool IsColorModifier(std::string_view w) {
    return w == "red" || w == "green" || w == "blue" || w == "filter" || w == "transmit";
}

}  // namespace

void Evaluator::ParseTopLevel() {
    for (;;) {
        Token t = Next();
        if (t.kind == Token::Kind::End) {
            return;
        }
        if (t.Is(';')) {
            continue;
        }
        if (t.kind == Token::Kind::Word) {
            Symbol* s = Lookup(t.text);
            if (s && s->macro) {
                const auto macro = s->macro;
                InvokeMacro(t, macro);
                continue;
            }
            if (!s && Peek().Is('{')) {
                Next();
                Statement st;
                st.kind = Statement::Kind::Block;
                st.loc = Loc(t);
                auto block = ParseBlock(std::string(t.text), st.loc, '}');
                if (block->keyword == "global_settings") {
                    for (size_t i = 0; i + 1 < block->items.size(); ++i) {
                        const Item& k = block->items[i];
                        if (k.kind == Item::Kind::Keyword && k.value.text == "assumed_gamma" &&
                            block->items[i + 1].kind == Item::Kind::Value) {
                            assumedGamma_ = block->items[i + 1].value.v[0];
                        }
                    }
                }
                st.block = std::move(block);
                Emit(std::move(st));
                continue;
            }
        }
        Problem(Loc(t),
                "a statement was expected, found " +
                    std::string(t.kind == Token::Kind::Word ? "'" + std::string(t.text) + "'"
                                                            : std::string("a value")));
        // skip whatever value stands here so that reading goes on at the next statement
        if (t.kind != Token::Kind::Word && t.kind != Token::Kind::Punct) {
            continue;
        }
        if (t.Is('{')) {
            Block ignored;
            ParseItems(ignored, '}');
        }
    }
}

std::shared_ptr<Block> Evaluator::ParseBlock(std::string keyword, SourceLoc loc, char closer) {
    if (++blockDepth_ > options_.limits.blockDepth) {
        Stop(loc, "blocks nested more than " + std::to_string(options_.limits.blockDepth) +
                      " deep: reading stopped");
    }
    auto block = std::make_shared<Block>();
    block->keyword = std::move(keyword);
    block->loc = loc;
    if (block->keyword == "function") {
        ParseFunctionBody(*block);
    } else {
        ParseItems(*block, closer);
    }
    --blockDepth_;
    return block;
}

void Evaluator::ParseItems(Block& block, char closer) {
    // Every statement of a scene is held until the mapping: the items are gathered in a list
    // kept for each depth of nesting, and the block takes exactly as many as it has.
    if (itemLists_.size() <= itemDepth_) {
        itemLists_.resize(itemDepth_ + 1);
    }
    // the list is taken out while nested blocks may add lists for their depths
    std::vector<Item> items = std::move(itemLists_[itemDepth_]);
    ++itemDepth_;
    GatherItems(block, items, closer);
    --itemDepth_;
    block.items.assign(std::make_move_iterator(items.begin()),
                       std::make_move_iterator(items.end()));
    items.clear();
    itemLists_[itemDepth_] = std::move(items);
}

void Evaluator::GatherItems(const Block& block, std::vector<Item>& items, char closer) {
    auto addValue = [&items](Value v) {
        Item item;
        item.kind = Item::Kind::Value;
        item.value = std::move(v);
        items.push_back(std::move(item));
    };
    for (;;) {
        Token t = Next();
        switch (t.kind) {
            case Token::Kind::End:
                Problem(block.loc, std::string("'") + closer + "' missing for " +
                                       (block.keyword == "[" ? "the map entry" : block.keyword) +
                                       " started here");
                return;
            case Token::Kind::Number:
                // a number alone, as most are, is its value (looked past as an expression
                // would be, one level deeper)
                if (blockDepth_ < options_.limits.blockDepth) {
                    ++blockDepth_;
                    const bool alone = !ContinuesExpression(Peek());
                    --blockDepth_;
                    if (alone) {
                        addValue(Value::Float(t.number));
                        continue;
                    }
                }
                addValue(ParseExpressionFrom(t));
                continue;
            case Token::Kind::String:
                addValue(ParseExpressionFrom(t));
                continue;
            case Token::Kind::Punct:
                if (t.punct == closer) {
                    return;
                }
                if (t.Is('}') || t.Is(']')) {
                    Problem(Loc(t),
                            std::string("'") + closer + "' expected, found '" + t.punct + "'");
                    // the brace belongs to an enclosing block
                    peek_ = t;
                    hasPeek_ = true;
                    return;
                }
                if (t.Is(',')) {
                    Item item;
                    item.kind = Item::Kind::Comma;
                    items.push_back(std::move(item));
                } else if (t.Is('[') || t.Is('{')) {
                    Item item;
                    item.kind = Item::Kind::Block;
                    item.value = Value::FromBlock(
                        ParseBlock(t.Is('[') ? "[" : "", Loc(t), t.Is('[') ? ']' : '}'));
                    items.push_back(std::move(item));
                } else if (t.Is('<') || t.Is('(') || t.Is('+') || t.Is('-') || t.Is('!')) {
                    addValue(ParseExpressionFrom(t));
                } else if (!t.Is(';')) {
                    Problem(Loc(t),
                            std::string("unexpected '") + t.punct + "' in " + block.keyword);
                }
                continue;
            case Token::Kind::Word:
                break;
            default:
                continue;
        }
        Symbol* s = Lookup(t.text);
        if (s && s->macro) {
            const auto macro = s->macro;
            InvokeMacro(t, macro);
            continue;
        }
        if (s && s->value) {
            if (s->value->kind == Value::Kind::Block && !Peek().Is('(')) {
                Item item;
                item.kind = Item::Kind::Reference;
                item.value = *s->value;
                item.value.text = std::string(t.text);
                items.push_back(std::move(item));
            } else {
                addValue(ParseExpressionFrom(t));
            }
            continue;
        }
        const std::string_view w = t.text;
        if (w == "function") {
            Item item;
            item.kind = Item::Kind::Block;
            item.value = Value::FromBlock(ParseBlock("function", Loc(t), '}'));
            items.push_back(std::move(item));
            continue;
        }
        if (IsColorModifier(w) && !items.empty() && items.back().kind == Item::Kind::Value &&
            items.back().value.kind == Value::Kind::Color) {
            // "rgb 1 filter 0.5" written with a colour identifier first
            Value& c = items.back().value;
            const int index = w == "red"      ? 0
                              : w == "green"  ? 1
                              : w == "blue"   ? 2
                              : w == "filter" ? 3
                                              : 4;
            c.v[index] = ParseAdditive(nullptr).v[0];
            continue;
        }
        if (IsExpressionWord(w) && w != "filter" && w != "transmit" &&
            !(IsFunctionName(w) && !Peek().Is('('))) {
            addValue(ParseExpressionFrom(t));
            continue;
        }
        if (Peek().Is('{')) {
            Next();
            Item item;
            item.kind = Item::Kind::Block;
            item.value = Value::FromBlock(ParseBlock(std::string(w), Loc(t), '}'));
            items.push_back(std::move(item));
            continue;
        }
        if (!IsReservedWord(w)) {
            Problem(Loc(t), "undeclared identifier " + std::string(w));
        }
        Item item;
        item.kind = Item::Kind::Keyword;
        item.value.text = std::string(w);
        items.push_back(std::move(item));
    }
}

void Evaluator::ParseFunctionBody(Block& block) {
    // "function (a, b) { ... }": the parameter names stay as they are inside the body
    const size_t paramBase = functionParams_.size();
    if (Peek().Is('(')) {
        Next();
        block.keyword += "(";
        bool first = true;
        while (!Peek().Is(')') && Peek().kind != Token::Kind::End) {
            Token p = Next();
            if (p.kind == Token::Kind::Word) {
                if (!first) {
                    block.keyword += ", ";
                }
                block.keyword += p.text;
                functionParams_.emplace_back(p.text);
                first = false;
            }
        }
        Next();
        block.keyword += ")";
    }
    Expect('{', "'{' after function");
    int depth = 1;
    std::vector<Block*> open{&block};
    while (depth > 0) {
        Token t = Next();
        Block& b = *open.back();
        Item item;
        switch (t.kind) {
            case Token::Kind::End:
                Problem(block.loc, "'}' missing for the function started here");
                functionParams_.resize(paramBase);
                return;
            case Token::Kind::Number:
                item.kind = Item::Kind::Value;
                item.value = Value::Float(t.number);
                break;
            case Token::Kind::String:
                item.kind = Item::Kind::Value;
                item.value = Value::String(Unescape(t.text));
                break;
            case Token::Kind::Punct:
                if (t.Is('}')) {
                    --depth;
                    open.pop_back();
                    continue;
                }
                if (t.Is(',')) {
                    item.kind = Item::Kind::Comma;
                } else {
                    item.kind = Item::Kind::Symbol;
                    switch (t.punct) {
                        case Token::kLessEqual:
                            item.value.text = "<=";
                            break;
                        case Token::kGreaterEqual:
                            item.value.text = ">=";
                            break;
                        case Token::kNotEqual:
                            item.value.text = "!=";
                            break;
                        default:
                            item.value.text = std::string(1, t.punct);
                            break;
                    }
                }
                break;
            case Token::Kind::Word: {
                bool param = false;
                for (const std::string& p : functionParams_) {
                    param = param || p == t.text;
                }
                Symbol* s = param ? nullptr : Lookup(t.text);
                if (s && s->macro) {
                    const auto macro = s->macro;
                    InvokeMacro(t, macro);
                    continue;
                }
                if (s && s->value && s->value->kind == Value::Kind::Block) {
                    item.kind = Item::Kind::Reference;
                    item.value = *s->value;
                    item.value.text = std::string(t.text);
                } else if (s && s->value && s->value->IsNumeric()) {
                    item.kind = Item::Kind::Value;
                    item.value = ParsePostfix(ParseIdentifierValue(t, *s));
                } else if (Peek().Is('{')) {
                    Next();
                    auto sub = std::make_shared<Block>();
                    sub->keyword = std::string(t.text);
                    sub->loc = Loc(t);
                    Block* raw = sub.get();
                    item.kind = Item::Kind::Block;
                    item.value = Value::FromBlock(std::move(sub));
                    b.items.push_back(std::move(item));
                    open.push_back(raw);
                    ++depth;
                    if (depth > options_.limits.blockDepth) {
                        Stop(Loc(t), "function body nested too deeply: reading stopped");
                    }
                    continue;
                } else {
                    item.kind = Item::Kind::Keyword;
                    item.value.text = std::string(t.text);
                }
                break;
            }
            default:
                continue;
        }
        b.items.push_back(std::move(item));
    }
    functionParams_.resize(paramBase);
}

Value Evaluator::ParseRValue(const Token& firstToken) {
    Token first = firstToken;
    for (;;) {
        if (first.kind != Token::Kind::Word) {
            break;
        }
        Symbol* s = Lookup(first.text);
        if (s && s->macro) {
            const auto macro = s->macro;
            InvokeMacro(first, macro);
            first = Next();
            continue;
        }
        if (s) {
            break;
        }
        if (first.text == "array") {
            return ParseArrayDeclaration(first);
        }
        if (first.text == "function") {
            return Value::FromBlock(ParseBlock("function", Loc(first), '}'));
        }
        if (!IsExpressionWord(first.text) && Peek().Is('{')) {
            Next();
            auto block = ParseBlock(std::string(first.text), Loc(first), '}');
            if (block->keyword != "texture" || !Peek().IsWord("texture")) {
                return Value::FromBlock(std::move(block));
            }
            // textures that follow each other are the layers of one texture
            auto layers = std::make_shared<Block>();
            layers->keyword = kLayeredTexture;
            layers->loc = block->loc;
            do {
                Item item;
                item.kind = Item::Kind::Block;
                item.value = Value::FromBlock(std::move(block));
                layers->items.push_back(std::move(item));
                const Token layer = Next();
                Expect('{', "'{' after texture");
                block = ParseBlock("texture", Loc(layer), '}');
            } while (Peek().IsWord("texture"));
            Item item;
            item.kind = Item::Kind::Block;
            item.value = Value::FromBlock(std::move(block));
            layers->items.push_back(std::move(item));
            return Value::FromBlock(std::move(layers));
        }
        break;
    }
    return ParseExpressionFrom(first);
}

Value Evaluator::ParseArrayDeclaration(const Token& t) {
    auto array = std::make_shared<Array>();
    size_t total = 1;
    while (Peek().Is('[')) {
        Next();
        const long long n = WholeNumber(ParseFloat());
        Expect(']', "']' after the array size");
        if (n < 1 || n > 10'000'000 || total * static_cast<size_t>(n) > 10'000'000) {
            Problem(Loc(t), "array size out of range");
            array->sizes.push_back(1);
            continue;
        }
        array->sizes.push_back(static_cast<int>(n));
        total *= static_cast<size_t>(n);
    }
    if (array->sizes.empty()) {
        Problem(Loc(t), "array size expected");
        array->sizes.push_back(1);
    }
    array->elements.resize(total);
    if (Peek().Is('{')) {
        Next();
        size_t index = 0;
        FillArray(*array, 0, index, Loc(t));
    }
    Value v;
    v.kind = Value::Kind::Array;
    v.array = std::move(array);
    return v;
}

void Evaluator::FillArray(Array& array, size_t dim, size_t& index, SourceLoc loc) {
    const bool last = dim + 1 == array.sizes.size();
    for (int i = 0; i < array.sizes[dim]; ++i) {
        if (Peek().Is('}')) {
            Problem(loc, "too few elements in the array's initializer");
            break;
        }
        if (last) {
            Value v = ParseRValue(Next());
            if (index < array.elements.size()) {
                array.elements[index++] = std::move(v);
            }
        } else {
            Expect('{', "'{' for the next row of the array");
            FillArray(array, dim + 1, index, loc);
        }
        if (Peek().Is(',')) {
            Next();
        }
    }
    Expect('}', "'}' at the end of the array's initializer");
}

}  // namespace pov
