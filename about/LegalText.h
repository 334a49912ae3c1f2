#pragma once

#include <string>

struct ProductInfo;

// The disclaimer the About box shows for any product, whatever its own terms say.
extern const char* const kStandardDisclaimer;

// The text of the Distribution and Legal page: the record's terms with the standard
// disclaimer before, after or instead of them, as its disclaimer placement says.
std::string DistributionAndLegalText(const ProductInfo& info);
