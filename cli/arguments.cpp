#include "cli/arguments.h"

Arguments::Arguments(const std::vector<std::string>& args,
                     const std::set<std::string>& valueOptions,
                     const std::set<std::string>& flags) {
    bool onlyPositional = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (onlyPositional || a.size() < 2 || a[0] != '-') {
            positional_.push_back(a);
            continue;
        }
        if (a == "--") {
            onlyPositional = true;
            continue;
        }
        if (valueOptions.count(a)) {
            if (i + 1 >= args.size()) {
                error_ = "option " + a + " needs a value";
                return;
            }
            values_[a] = args[++i];
            given_.insert(a);
        } else if (flags.count(a)) {
            given_.insert(a);
        } else {
            error_ = "unknown option " + a;
            return;
        }
    }
}

std::optional<std::string> Arguments::Value(const std::string& option) const {
    auto it = values_.find(option);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}
