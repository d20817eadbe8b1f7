#include "import/pov_text_writer.h"

#include "import/pov_print.h"

namespace pov {

TextWriter::TextWriter(const EvaluatedScene& scene) : scene_(scene) {}

void TextWriter::NameInstalled() {
    // Names declared by the installed include files stay theirs. They are taken when the first
    // reference is declared: statements that refer to declarations are mapped when the
    // evaluation has ended, and with it every include file.
    if (installedNamed_) {
        return;
    }
    installedNamed_ = true;
    for (const auto& [block, decl] : scene_.declarations) {
        if (decl.file < scene_.files.size() && scene_.files[decl.file].installed) {
            taken_.insert(decl.name);
            names_.emplace(block, decl.name);
        }
    }
}

bool TextWriter::IsInstalled(const Block* block) const {
    auto it = scene_.declarations.find(block);
    return it != scene_.declarations.end() && it->second.file < scene_.files.size() &&
           scene_.files[it->second.file].installed;
}

void TextWriter::DeclareReferences(const Block& block, std::string& declarations, int depth) {
    for (const Item& item : block.items) {
        if (item.kind == Item::Kind::Reference && item.value.block) {
            Declare(*item.value.block, item.value.text, declarations, depth + 1);
        } else if (item.kind == Item::Kind::Block && item.value.block) {
            DeclareReferences(*item.value.block, declarations, depth + 1);
        }
    }
}

void TextWriter::Declare(const Block& block, const std::string& preferred,
                         std::string& declarations, int depth) {
    NameInstalled();
    if (names_.count(&block) || depth > 10000) {
        return;
    }
    DeclareReferences(block, declarations, depth);
    std::string name = preferred.empty() ? "Imported" : preferred;
    for (int n = 2; taken_.count(name); ++n) {
        name = preferred + "_" + std::to_string(n);
    }
    taken_.insert(name);
    names_.emplace(&block, name);
    declarations += "#declare " + name + " =\r\n";
    const ReferenceNamer namer = [this](const Item& r) {
        auto it = names_.find(r.value.block.get());
        return it != names_.end() ? it->second : r.value.text;
    };
    AppendBlock(declarations, block, namer);
    declarations += "\r\n";
}

std::string TextWriter::NameOf(const Item& reference, std::string& declarations) {
    if (!reference.value.block) {
        return reference.value.text;
    }
    Declare(*reference.value.block, reference.value.text, declarations, 0);
    return names_.at(reference.value.block.get());
}

void TextWriter::Write(const Block& block, std::string& declarations, std::string& text) {
    DeclareReferences(block, declarations, 0);
    const ReferenceNamer namer = [this](const Item& r) {
        auto it = names_.find(r.value.block.get());
        return it != names_.end() ? it->second : r.value.text;
    };
    AppendBlock(text, block, namer);
}

}  // namespace pov
