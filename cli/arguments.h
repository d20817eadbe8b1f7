// A small command-line parser for the batch tool's subcommands: options with values
// ("-o FILE", "--size WxH"), flags ("--pov3") and positional arguments, in any order.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class Arguments {
  public:
    // valueOptions: options that take the next argument as their value
    Arguments(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
              const std::set<std::string>& flags);

    bool Ok() const { return error_.empty(); }
    // what was wrong with the command line
    const std::string& Error() const { return error_; }

    bool Has(const std::string& flag) const { return given_.count(flag) != 0; }
    std::optional<std::string> Value(const std::string& option) const;
    const std::vector<std::string>& Positional() const { return positional_; }

  private:
    std::map<std::string, std::string> values_;
    std::set<std::string> given_;
    std::vector<std::string> positional_;
    std::string error_;
};
