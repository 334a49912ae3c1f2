#include "about/LegalText.h"

#include "about/JoinText.h"
#include "about/ProductInfo.h"

namespace razzlewick {

namespace {

constexpr auto kDisclaimerText =
    JoinText(kAsIsParagraph, kParagraphBreak, kGiveAwayParagraph, kParagraphBreak,
             "Copyright (c) Tallowfern Software.  All rights reserved.");

}  // namespace

const char* const kStandardDisclaimer = kDisclaimerText.data();

std::string DistributionAndLegalText(const ProductInfo& info)
{
    const std::string paragraphBreak = kParagraphBreak;
    std::string text;
    bool disclaimerShown = false;
    if (info.disclaimerPlacement == DisclaimerPlacements::BeforeTerms) {
        text += kStandardDisclaimer + paragraphBreak;
        disclaimerShown = true;
    }
    if (!info.termsText.empty()) {
        text += info.termsText + paragraphBreak;
    }
    if (info.disclaimerPlacement == DisclaimerPlacements::AfterTerms ||
        (info.termsText.empty() && !disclaimerShown)) {
        text += kStandardDisclaimer;
    }
    return text;
}

}  // namespace razzlewick
