#include "about/AboutTextPage.h"

#include "resources/templates/ResourceIds.h"
#include "ui/DisplayText.h"

#include <QPlainTextEdit>

namespace razzlewick {

AboutTextPage::AboutTextPage(QWidget* parent) : TemplateDialog(IDD_ABOUT_TEXT_PAGE, parent) {}

AboutTextPage::~AboutTextPage() = default;

void AboutTextPage::BeforeFirstShow()
{
    TemplateDialog::BeforeFirstShow();
    RequireControl<QPlainTextEdit>(IDC_PAGE_TEXT)->setPlainText(EngineTextToDisplay(text_));
}

}  // namespace razzlewick
