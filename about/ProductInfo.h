#pragma once

#include <QIcon>

#include <string>

class QWidget;

namespace razzlewick {

// Where the standard disclaimer stands on the About box's Distribution and Legal page.
namespace DisclaimerPlacements {
enum : int {
    OnlyWithoutTerms = 0,  // shown only when there is no terms text
    AfterTerms = 1,
    BeforeTerms = 2,
};
}  // namespace DisclaimerPlacements

// The product's identity as the About box and the outside-link commands show it. Texts are
// 8-bit Windows-1252, like all text of the program. One record serves the whole run
// (TheProductInfo); the main window fills it when it is built.
struct ProductInfo final {
    std::string name;
    std::string version;
    std::string description;
    std::string termsText;
    int disclaimerPlacement = DisclaimerPlacements::AfterTerms;
    QIcon icon;
    QWidget* ownerWindow = nullptr;  // not owned; none means the application's active window

    // Runs the About box modally.
    void ShowAbout() const;
    // Opens the documentation beside the program; false when no candidate opened, with
    // the launch code of the failure (see OpenDocumentationIn).
    bool OpenDocumentation(int* launchCode = nullptr, std::string* failedPath = nullptr) const;
    // Opens the product's page on the maker's site; always true.
    bool OpenWebPage() const;
    // Starts a feedback mail; false only when both ways failed (the user has been told).
    bool SendFeedback() const;
};

// The program's one record.
ProductInfo& TheProductInfo();

}  // namespace razzlewick
