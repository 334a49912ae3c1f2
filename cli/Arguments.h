#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace razzlewick {

// A command line that cannot be understood; the program prints the message and exits with
// status 2.
class UsageError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One option a subcommand accepts, e.g. {"--seed", "-s", true}.
struct OptionDefinition {
    std::string longName;
    std::string shortName;
    bool takesValue = false;
};

// The options and operands of one subcommand, split but not yet interpreted.
struct Arguments {
    std::map<std::string, std::string> options;  // by long name; flags map to ""
    std::vector<std::string> operands;
    bool help = false;

    bool Has(const std::string& longName) const { return options.contains(longName); }
};

// Splits `args` (the words after the subcommand) by `definitions`. Accepts "--name value",
// "--name=value", "-n value", "-nvalue" and "--" to end the options; "--help"/"-h" anywhere
// before "--" sets `help`. Throws UsageError for an unknown option, a missing or empty value
// or a repeated option.
Arguments ParseArguments(const std::vector<std::string>& args,
                         const std::vector<OptionDefinition>& definitions);

// Reads an option's decimal value within [minimum, maximum]; throws UsageError naming the
// option otherwise.
long long ParseInteger(const std::string& option, const std::string& text, long long minimum,
                       long long maximum);

}  // namespace razzlewick
