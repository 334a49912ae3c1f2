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

// Collects the lines of a file's paragraphs as their words.
class Paragraphs final {
public:
    void AddLine(const std::string& line) { paragraph_ += line + "\n"; }
    void EndParagraph()
    {
        if (!paragraph_.empty()) {
            paragraphs_.push_back(Words(paragraph_));
        }
        paragraph_.clear();
    }
    std::vector<std::string> Done()
    {
        EndParagraph();
        return paragraphs_;
    }

private:
    std::vector<std::string> paragraphs_;
    std::string paragraph_;
};

// The paragraphs of the licence text in the Debian copyright file's "Files: *" stanza:
// the continuation lines after its License field, " ." between paragraphs.
std::vector<std::string> CopyrightFileParagraphs()
{
    std::ifstream file(RAZZLEWICK_COPYRIGHT_FILE);
    Paragraphs paragraphs;
    std::string line;
    bool inFiles = false;
    bool inLicense = false;
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
                paragraphs.EndParagraph();
            } else {
                paragraphs.AddLine(line);
            }
        }
    }
    return paragraphs.Done();
}

// The paragraphs of the repository's LICENSE: nothing but the terms, a blank line between
// paragraphs.
std::vector<std::string> LicenseFileParagraphs()
{
    std::ifstream file(RAZZLEWICK_LICENSE_FILE);
    Paragraphs paragraphs;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty()) {
            paragraphs.EndParagraph();
        } else {
            paragraphs.AddLine(line);
        }
    }
    return paragraphs.Done();
}

void ExpectTheAboutBoxTerms(const std::vector<std::string>& paragraphs, const char* file)
{
    const auto aboutBox = AboutBoxParagraphs();
    ASSERT_FALSE(paragraphs.empty()) << "no licence text in " << file;
    ASSERT_EQ(paragraphs.size(), aboutBox.size()) << file;
    for (size_t i = 0; i < aboutBox.size(); ++i) {
        EXPECT_EQ(paragraphs[i], aboutBox[i]) << file << ", paragraph " << i + 1;
    }
}

TEST(CopyrightFile, StatesTheTermsOfTheAboutBoxWordForWord)
{
    ExpectTheAboutBoxTerms(CopyrightFileParagraphs(), RAZZLEWICK_COPYRIGHT_FILE);
}

TEST(LicenseFile, StatesTheTermsOfTheAboutBoxWordForWord)
{
    ExpectTheAboutBoxTerms(LicenseFileParagraphs(), RAZZLEWICK_LICENSE_FILE);
}

}  // namespace
