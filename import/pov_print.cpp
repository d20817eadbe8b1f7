#include "import/pov_print.h"

namespace pov {

namespace {

bool IsInline(const Block& b) {
    if (b.keyword == kLayeredTexture) {
        return false;
    }
    if (b.keyword == "[" || b.keyword.rfind("function", 0) == 0) {
        return true;
    }
    for (const Item& i : b.items) {
        if (i.kind == Item::Kind::Block) {
            return false;
        }
    }
    return b.items.size() <= 8;
}

void AppendInline(std::string& out, const Block& b, const ReferenceNamer& namer) {
    const bool entry = b.keyword == "[";
    out += entry ? "[" : b.keyword + " {";
    bool first = entry;
    for (const Item& i : b.items) {
        if (i.kind != Item::Kind::Comma && !first) {
            out += ' ';
        }
        first = false;
        switch (i.kind) {
            case Item::Kind::Keyword:
            case Item::Kind::Symbol:
                out += i.value.text;
                break;
            case Item::Kind::Value:
                AppendValue(out, i.value);
                break;
            case Item::Kind::Reference:
                out += namer(i);
                break;
            case Item::Kind::Comma:
                out += ',';
                break;
            case Item::Kind::Block:
                AppendInline(out, *i.value.block, namer);
                break;
        }
    }
    out += entry ? "]" : " }";
}

}  // namespace

void AppendItems(std::string& out, const Block& block, const ReferenceNamer& namer, int indent) {
    const std::string pad(static_cast<size_t>(indent) * 2, ' ');
    bool lineOpen = false;
    for (const Item& i : block.items) {
        if (i.kind == Item::Kind::Block && !IsInline(*i.value.block)) {
            if (lineOpen) {
                out += "\r\n";
            }
            AppendBlock(out, *i.value.block, namer, indent);
            lineOpen = false;
            continue;
        }
        if (!lineOpen) {
            out += pad;
            lineOpen = true;
        } else if (i.kind != Item::Kind::Comma) {
            out += ' ';
        }
        switch (i.kind) {
            case Item::Kind::Keyword:
            case Item::Kind::Symbol:
                out += i.value.text;
                break;
            case Item::Kind::Value:
                AppendValue(out, i.value);
                break;
            case Item::Kind::Reference:
                out += namer(i);
                break;
            case Item::Kind::Comma:
                out += ',';
                break;
            case Item::Kind::Block:
                AppendInline(out, *i.value.block, namer);
                break;
        }
    }
    if (lineOpen) {
        out += "\r\n";
    }
}

void AppendBlock(std::string& out, const Block& block, const ReferenceNamer& namer, int indent) {
    if (block.keyword == kLayeredTexture) {
        for (const Item& layer : block.items) {
            if (layer.value.block) {
                AppendBlock(out, *layer.value.block, namer, indent);
            }
        }
        return;
    }
    const std::string pad(static_cast<size_t>(indent) * 2, ' ');
    if (IsInline(block)) {
        out += pad;
        AppendInline(out, block, namer);
        out += "\r\n";
        return;
    }
    out += pad + block.keyword + " {\r\n";
    AppendItems(out, block, namer, indent + 1);
    out += pad + "}\r\n";
}

}  // namespace pov
