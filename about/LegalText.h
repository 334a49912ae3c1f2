#pragma once

#include <string>

namespace razzlewick {

struct ProductInfo;

inline constexpr char kParagraphBreak[] = "\r\n\r\n";

// The paragraphs of the standard disclaimer that this program's own terms repeat.
inline constexpr char kAsIsParagraph[] =
    "This software is provided \"as is\".\xA0 Tallowfern take no responsibility for any loss, "
    "damage, heartache or problems that it may cause you or your computer.\xA0 We make no "
    "guarantee that it is fit for any particular purpose, and we give no warranties of any "
    "kind, expressed or implied.";
inline constexpr char kGiveAwayParagraph[] =
    "You may give this software away freely, but only as the archive in which it was issued, "
    "or with all of the files of that archive together and unchanged.\xA0 You may not sell "
    "it or charge for it in any way, and it may not be put on a CD or into a compilation "
    "without our prior permission.";

// The disclaimer the About box shows for any product, whatever its own terms say.
extern const char* const kStandardDisclaimer;

// The text of the Distribution and Legal page: the record's terms with the standard
// disclaimer before, after or instead of them, as its disclaimer placement says.
std::string DistributionAndLegalText(const ProductInfo& info);

}  // namespace razzlewick
