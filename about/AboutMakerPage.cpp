#include "about/AboutMakerPage.h"

#include "about/CHyperLink.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DialogBuilder.h"

#include <QLabel>

AboutMakerPage::AboutMakerPage(QWidget* parent) : TemplateDialog(IDD_ABOUT_MAKER_PAGE, parent) {}

AboutMakerPage::~AboutMakerPage() = default;

void AboutMakerPage::OnInitDialog()
{
    TemplateDialog::OnInitDialog();
    captionLabel_ = FindControl<QLabel>(this, IDC_MAKER_CAPTION);
    if (captionLabel_ != nullptr) {
        captionLabel_->setText(QString::fromStdString(caption_));
    }
    if (auto* control = FindControl<QLabel>(this, IDC_MAKER_LINK)) {
        link_ = new CHyperLink(this);
        link_->Attach(control);
    }
}
