#pragma once

#include "ui/TemplateDialog.h"

#include <string>

class QLabel;

namespace razzlewick {

class CHyperLink;

// The About box's page about the maker: the logo, a caption line and the link to the
// maker's web site.
class AboutMakerPage final : public TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutMakerPage)

public:
    explicit AboutMakerPage(QWidget* parent);
    ~AboutMakerPage() override;

    CHyperLink* Link() const { return link_; }

protected:
    void BeforeFirstShow() override;

private:
    QLabel* captionLabel_ = nullptr;  // owned by the page through Qt
    CHyperLink* link_ = nullptr;      // owned by the page through Qt
    std::string caption_ = "Tallowfern Software";
};

}  // namespace razzlewick
