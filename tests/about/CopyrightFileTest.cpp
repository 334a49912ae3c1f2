#include "about/LegalText.h"
#include "about/ProductInfo.h"
#include "about/ProductText.h"

#include <QIcon>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace razzlewick;

namespace {

// The words of a paragraph with every run of blanks (the no-break space after a full stop
// and line breaks included) made one space, so wrapping does not count as a difference.
std::string Words(const std::string& text)
{
    std::string words;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' || c == '\r' || c == '\n' || c == '\xA0') {
            blank = true;
            continue;
        }
        if (blank && !words.empty()) {
            words += ' ';
        }
        blank = false;
        words += c;
    }
    return words;
}

std::vector<std::string> AboutBoxParagraphs()
{
    ProductInfo info;
    FillProductInfo(info, QIcon());
    const std::string text = DistributionAndLegalText(info);
    std::vector<std::string> paragraphs;
    size_t start = 0;
    for (size_t at = text.find(kParagraphBreak);; at = text.find(kParagraphBreak, start)) {
        const std::string paragraph = Words(text.substr(start, at - start));
        if (!paragraph.empty()) {
            paragraphs.push_back(paragraph);
        }
        if (at == std::string::npos) {
            break;
        }
        start = at + std::string(kParagraphBreak).size();
    }
    return paragraphs;
}

// The paragraphs of the licence text in the Debian copyright file's "Files: *" stanza:
// the continuation lines after its License field, " ." between paragraphs.
std::vector<std::string> CopyrightFileParagraphs()
{
    std::ifstream file(RAZZLEWICK_COPYRIGHT_FILE);
    std::vector<std::string> paragraphs;
    std::string line;
    bool inFiles = false;
    bool inLicense = false;
    std::string paragraph;
    while (std::getline(file, line)) {
        if (line.rfind("Files: *", 0) == 0) {
            inFiles = true;
        } else if (inFiles && line.rfind("License:", 0) == 0) {
            inLicense = true;
        } else if (inLicense) {
            if (line.empty() || line[0] != ' ') {
                break;
            }
            if (line == " .") {
                paragraphs.push_back(Words(paragraph));
                paragraph.clear();
            } else {
                paragraph += line + "\n";
            }
        }
    }
    if (!paragraph.empty()) {
        paragraphs.push_back(Words(paragraph));
    }
    return paragraphs;
}

// The paragraphs of the repository's LICENSE: nothing but the terms, a blank line between
// paragraphs.
std::vector<std::string> LicenseFileParagraphs()
{
    std::ifstream file(RAZZLEWICK_LICENSE_FILE);
    std::vector<std::string> paragraphs;
    std::string line;
    std::string paragraph;
    while (std::getline(file, line)) {
        if (line.empty()) {
            paragraphs.push_back(Words(paragraph));
            paragraph.clear();
        } else {
            paragraph += line + "\n";
        }
    }
    if (!paragraph.empty()) {
        paragraphs.push_back(Words(paragraph));
    }
    return paragraphs;
}

TEST(LicenseFile, StatesTheTermsOfTheAboutBoxWordForWord)
{
    const auto aboutBox = AboutBoxParagraphs();
    const auto license = LicenseFileParagraphs();
    ASSERT_EQ(license.size(), aboutBox.size()) << RAZZLEWICK_LICENSE_FILE;
    for (size_t i = 0; i < aboutBox.size(); ++i) {
        EXPECT_EQ(license[i], aboutBox[i]) << "paragraph " << i + 1;
    }
}

TEST(CopyrightFile, StatesTheTermsOfTheAboutBoxWordForWord)
{
    const auto aboutBox = AboutBoxParagraphs();
    const auto copyright = CopyrightFileParagraphs();
    ASSERT_FALSE(copyright.empty()) << "no licence text in " << RAZZLEWICK_COPYRIGHT_FILE;
    ASSERT_EQ(copyright.size(), aboutBox.size());
    for (size_t i = 0; i < aboutBox.size(); ++i) {
        EXPECT_EQ(copyright[i], aboutBox[i]) << "paragraph " << i + 1;
    }
}

}  // namespace
