#include "data/WordCipher.h"

#include <gtest/gtest.h>

#include <string>

using namespace razzlewick;

namespace {

TEST(WordCipher, EncodesTheWordAndItsTerminatorWithTheFixedKey)
{
    const WordCipher cipher;
    // 'a'^'w', 'b'^'3', 'c'^'=', then the terminator 0^'h'.
    EXPECT_EQ(cipher.Encode("abc"), "\x16\x51\x5E\x68");
    EXPECT_EQ(cipher.Encode(""), "w");
    EXPECT_EQ(cipher.Decode("w"), "");
}

TEST(WordCipher, EscapesZeroAndTheEscapeByte)
{
    const WordCipher cipher;
    // 'w' scrambles to zero at position 0; 0xAD ^ '3' scrambles to 0xAD at position 1.
    const std::string plain = std::string("w") + static_cast<char>(0xAD ^ '3');
    const std::string stored = cipher.Encode(plain);
    EXPECT_EQ(stored, "\xAD\x10\xAD\x11" + std::string(1, '='));
    EXPECT_EQ(stored.find('\0'), std::string::npos);
    EXPECT_EQ(cipher.Decode(stored), plain);
}

TEST(WordCipher, EveryByteAtEveryKeyPositionRoundTrips)
{
    const WordCipher cipher;
    for (int shift = 0; shift < 13; ++shift) {
        std::string plain(static_cast<size_t>(shift), 'x');
        for (int b = 1; b < 256; ++b) {
            plain.push_back(static_cast<char>(b));
        }
        const std::string stored = cipher.Encode(plain);
        ASSERT_EQ(stored.find('\0'), std::string::npos) << shift;
        ASSERT_EQ(cipher.Decode(stored), plain) << shift;
    }
}

TEST(WordCipher, ApplyKeyTwiceRestoresAndAnotherKeyGarblesWithoutFailing)
{
    const WordCipher cipher;
    std::string bytes = "Fopdoodle of the first water";
    cipher.ApplyKey(bytes.data(), bytes.size());
    EXPECT_NE(bytes, "Fopdoodle of the first water");
    cipher.ApplyKey(bytes.data(), bytes.size());
    EXPECT_EQ(bytes, "Fopdoodle of the first water");

    const std::string stored = WordCipher("other key").Encode("knave");
    EXPECT_NE(cipher.Decode(stored), "knave");
}

TEST(WordCipher, StoredFormsNotMadeByEncodeStillDecode)
{
    const WordCipher cipher;
    EXPECT_EQ(cipher.Decode(""), "");
    // No scrambled terminator: every byte is part of the word.
    EXPECT_EQ(cipher.Decode("\x16\x51"), "ab");
    // Only the bytes before a zero in the stored string count.
    EXPECT_EQ(cipher.Decode(std::string("\x16\x51\x5E\x68\0\x41", 6)), "abc");
}

TEST(WordCipher, AZeroEndsTheStoredFormEvenRightAfterAnEscape)
{
    const WordCipher cipher;
    // The escape takes the zero that ends the stored form (0 ^ 'w' = 'w'); 0x41 is not read.
    EXPECT_EQ(cipher.Decode(std::string("\xAD\0\x41", 3)), "w");
    EXPECT_EQ(cipher.Decode("\xAD"), "w");
    // Later in a word: "ab" then the escape and the zero; "ab" + ('\0' ^ '=').
    EXPECT_EQ(cipher.Decode(std::string("\x16\x51\xAD\0\x41\x42", 6)), "ab=");
}

}  // namespace
