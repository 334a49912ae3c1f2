#include "cli/StyleNameMatch.h"

#include "data/InsultGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace razzlewick;

namespace {

using Keys = std::vector<std::string>;

TEST(StyleNameMatch, TheKeyItselfThenEveryKeyEqualButForCase)
{
    InsultGenerator engine;
    for (const char* key : {"Pirate", "pirate", "Ninja", "Caf\xE9"})
        engine.AddStyle(key);
    const struct {
        const char* typed;
        Keys keys;
    } rows[] = {
        {"pirate", {"pirate"}},            // exact, though "Pirate" differs only in case
        {"PIRATE", {"Pirate", "pirate"}},  // ambiguous
        {"ninja", {"Ninja"}},
        {"Caf\xC3\xA9", {"Caf\xE9"}},  // typed in UTF-8, kept in Windows-1252
        {"CAF\xC3\xA9", {"Caf\xE9"}},
        {"Samurai", {}},
        {"\xE4\xB8\xAD", {}},  // no Windows-1252 form
        {"", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StyleKeysMatching(engine, row.typed), row.keys) << row.typed;
}

}  // namespace
