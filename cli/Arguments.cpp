#include "cli/Arguments.h"

#include <cerrno>
#include <cstdlib>

namespace razzlewick {

namespace {

const OptionDefinition* FindOption(const std::vector<OptionDefinition>& definitions,
                                   const std::string& name)
{
    for (const OptionDefinition& definition : definitions) {
        if (name == definition.longName ||
            (!definition.shortName.empty() && name == definition.shortName))
            return &definition;
    }
    return nullptr;
}

}  // namespace

Arguments ParseArguments(const std::vector<std::string>& args,
                         const std::vector<OptionDefinition>& definitions)
{
    Arguments result;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            result.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            result.help = true;
            continue;
        }
        std::string name = word;
        std::string value;
        bool inlineValue = false;
        if (const auto equals = word.find('=');
            equals != std::string::npos &&
            (word.starts_with("--") || FindOption(definitions, word.substr(0, equals)))) {
            name = word.substr(0, equals);
            value = word.substr(equals + 1);
            inlineValue = true;
        }
        const OptionDefinition* definition = FindOption(definitions, name);
        // A short option may carry its value in the same word: "-n5".
        if (definition == nullptr && !inlineValue && word[1] != '-' && word.size() > 2) {
            definition = FindOption(definitions, word.substr(0, 2));
            if (definition != nullptr && definition->takesValue) {
                name = word.substr(0, 2);
                value = word.substr(2);
                inlineValue = true;
            } else {
                definition = nullptr;
            }
        }
        if (definition == nullptr)
            throw UsageError("unknown option " + name);
        if (result.options.contains(definition->longName))
            throw UsageError("option " + definition->longName + " given twice");
        if (definition->takesValue) {
            if (!inlineValue) {
                if (i + 1 >= args.size())
                    throw UsageError("option " + name + " needs a value");
                value = args[++i];
            }
            // "--seed=" is a value forgotten, not a value of nothing.
            if (value.empty())
                throw UsageError("option " + name + " needs a value");
        } else if (inlineValue) {
            throw UsageError("option " + name + " takes no value");
        }
        result.options[definition->longName] = value;
    }
    return result;
}

long long ParseInteger(const std::string& option, const std::string& text, long long minimum,
                       long long maximum)
{
    const std::string expected = "option " + option + " expects a whole number from " +
                                 std::to_string(minimum) + " to " + std::to_string(maximum) +
                                 ", not \"" + text + "\"";
    // strtoll alone would accept leading blanks and a '+'; insist on plain digits.
    const std::size_t digitsFrom = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == digitsFrom ||
        text.find_first_not_of("0123456789", digitsFrom) != std::string::npos)
        throw UsageError(expected);
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < minimum || value > maximum)
        throw UsageError(expected);
    return value;
}

}  // namespace razzlewick
