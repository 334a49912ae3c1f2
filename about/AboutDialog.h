#pragma once

#include "ui/TemplateDialog.h"

#include <array>

class QTabBar;

namespace razzlewick {

class DrawnButton;
struct ProductInfo;

// The About box: name and version, the program icon, three tabbed pages (the maker, an
// overview, the legal terms) and buttons for the web page, a feedback mail and the
// documentation. It reads the product record and changes nothing in it.
class AboutDialog final : public TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    AboutDialog(const ProductInfo& info, QWidget* parent);
    ~AboutDialog() override;

    // Shows the page of the selected tab and hides the others.
    void ShowPage();

    // The pages in tab order (none before the first show).
    TemplateDialog* Page(int index) const;

protected:
    void BeforeFirstShow() override;

private:
    void OnWebPage();
    void OnMailUs();
    void OnReadDocumentation();
    void PlacePages();
    void MakeRoomBelowPages(int pageBottom);

    const ProductInfo& info_;  // not owned
    QTabBar* tabs_;
    std::array<TemplateDialog*, 3> pages_{};  // owned through Qt parenting, deleted in tab order
};

}  // namespace razzlewick
