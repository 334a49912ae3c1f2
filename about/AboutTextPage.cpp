#include "about/AboutTextPage.h"

#include "data/Windows1252.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DialogBuilder.h"

#include <QPlainTextEdit>

AboutTextPage::AboutTextPage(QWidget* parent) : TemplateDialog(IDD_ABOUT_TEXT_PAGE, parent) {}

AboutTextPage::~AboutTextPage() = default;

void AboutTextPage::OnInitDialog()
{
    TemplateDialog::OnInitDialog();
    if (auto* edit = FindControl<QPlainTextEdit>(this, IDC_PAGE_TEXT)) {
        // The edit keeps lines by LF; the CR of each CR LF would otherwise show as a glyph.
        QString text = QString::fromStdString(Windows1252ToUtf8(text_));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        edit->setPlainText(text);
    }
}
