#pragma once

// The maker's addresses. The domain is a reserved one, so no link ever reaches a real site.
inline constexpr const char* kMakerSiteBase = "http://www.tallowfern.example";
inline constexpr const char* kFeedbackAddress = "feedback@tallowfern.example";
