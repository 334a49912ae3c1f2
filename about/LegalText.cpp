#include "about/LegalText.h"

#include "about/ProductInfo.h"

const char* const kStandardDisclaimer =
    "This software is provided \"as is\".\xA0 Tallowfern take no responsibility for any loss, "
    "damage, heartache or problems that it may cause you or your computer.\xA0 We make no "
    "guarantee that it is fit for any particular purpose, and we give no warranties of any "
    "kind, expressed or implied."
    "\r\n\r\n"
    "You may give this software away freely, but only as the archive in which it was issued, "
    "or with all of the files of that archive together and unchanged.\xA0 You may not sell "
    "it or charge for it in any way, and it may not be put on a CD or into a compilation "
    "without our prior permission."
    "\r\n\r\n"
    "Copyright (c) Tallowfern Software.  All rights reserved.";

std::string DistributionAndLegalText(const ProductInfo& info)
{
    static const std::string paragraphBreak = "\r\n\r\n";
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
