#include "about/AboutMakerPage.h"

#include "about/CHyperLink.h"
#include "resources/templates/ResourceIds.h"

#include <QLabel>

namespace razzlewick {

AboutMakerPage::AboutMakerPage(QWidget* parent) : TemplateDialog(IDD_ABOUT_MAKER_PAGE, parent) {}

AboutMakerPage::~AboutMakerPage() = default;

void AboutMakerPage::BeforeFirstShow()
{
    TemplateDialog::BeforeFirstShow();
    captionLabel_ = RequireControl<QLabel>(IDC_MAKER_CAPTION);
    captionLabel_->setText(QString::fromStdString(caption_));
    RequireControl<QWidget>(IDC_MAKER_LOGO)->setAccessibleName(captionLabel_->text());
    link_ = new CHyperLink(this);
    link_->Attach(RequireControl<QLabel>(IDC_MAKER_LINK));
}

}  // namespace razzlewick
