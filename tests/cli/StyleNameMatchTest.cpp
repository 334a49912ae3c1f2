#include "cli/StyleNameMatch.h"

#include "data/InsultGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace razzlewick;

namespace {

using Keys = std::vector<std::string>;

TEST(StyleNameMatch, TheKeyItselfThenEveryKeyOrNameEqualButForCase)
{
    InsultGenerator engine;
    for (const char* key : {"Pirate", "pirate", "Ninja", "Caf\xE9", "\x8Aoz"})
        engine.AddStyle(key);
    engine.AddStyle("Corporate").SetName("Corporate Jargon");
    engine.AddStyle("Suits").SetName("Ninja");
    const struct {
        const char* typed;
        Keys keys;
    } rows[] = {
        {"pirate", {"pirate"}},            // exact, though "Pirate" differs only in case
        {"PIRATE", {"Pirate", "pirate"}},  // ambiguous
        {"ninja", {"Ninja", "Suits"}},     // one's key, the other's name
        {"corporate jargon", {"Corporate"}},
        {"CORPORATE", {"Corporate"}},
        {"Suits", {"Suits"}},
        {"Caf\xC3\xA9", {"Caf\xE9"}},  // typed in UTF-8, kept in Windows-1252
        {"CAF\xC3\xA9", {"Caf\xE9"}},
        {"CAF\xC3\x89", {"Caf\xE9"}},  // É folds to é
        {"\xC5\xA1OZ", {"\x8Aoz"}},    // š folds with Š, which Windows-1252 keeps at 0x8A
        {"Caf\xC3\x8A", {}},           // Ê is no é
        {"Samurai", {}},
        {"\xE4\xB8\xAD", {}},  // no Windows-1252 form
        {"", {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StyleKeysMatching(engine, row.typed), row.keys) << row.typed;
}

}  // namespace
