#include "data/WordList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

bool EqualFoldingAsciiLetters(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

TEST(WordList, KeepsTheFirstFormAndFoldsOnlyAsciiLetters)
{
    WordList list;
    EXPECT_EQ(list.Find("anything"), -1);
    EXPECT_EQ(list.AddUnique("Knave"), 0);
    EXPECT_EQ(list.AddUnique("scullion"), 1);
    EXPECT_EQ(list.AddUnique("KNAVE"), 0);
    EXPECT_EQ(list.Find("kNaVe"), 0);
    EXPECT_EQ(list[0], "Knave");
    // 0xC9 and 0xE9 are one letter in two cases, but only A-Z fold.
    EXPECT_EQ(list.AddUnique("caf\xC9"), 2);
    EXPECT_EQ(list.AddUnique("caf\xE9"), 3);
    EXPECT_EQ(list.Find("[]"), -1);  // '[' is 'Z'+1: folding must not spill past the letters
    EXPECT_EQ(list.AddUnique("{}"), 4);
    EXPECT_EQ(list.Find("[]"), -1);
    EXPECT_EQ(list.AddUnique(""), 5);
    EXPECT_EQ(list.Find(""), 5);
    EXPECT_EQ(list.size(), 6u);
}

TEST(WordList, MatchesTheLinearDefinitionOnManyNearDuplicates)
{
    // Short words over a tiny alphabet collide often, in case and in hash.
    std::mt19937 random(12345);
    const std::string alphabet = "aAbBzZ\xC9\xE9@[";
    WordList list;
    std::vector<std::string> reference;
    for (int i = 0; i < 20000; ++i) {
        std::string word(random() % 6, ' ');
        for (char& c : word) {
            c = alphabet[random() % alphabet.size()];
        }
        int32_t expected = -1;
        for (size_t k = 0; k < reference.size(); ++k) {
            if (EqualFoldingAsciiLetters(reference[k], word)) {
                expected = static_cast<int32_t>(k);
                break;
            }
        }
        ASSERT_EQ(list.Find(word), expected) << word;
        if (expected == -1) {
            expected = static_cast<int32_t>(reference.size());
            reference.push_back(word);
        }
        ASSERT_EQ(list.AddUnique(word), expected) << word;
    }
    ASSERT_EQ(list.size(), reference.size());
    for (size_t k = 0; k < reference.size(); ++k) {
        ASSERT_EQ(list[k], reference[k]);
    }
}

}  // namespace
