#include "about/ProductInfo.h"

#include "about/AboutDialog.h"
#include "about/OpenDocumentation.h"
#include "about/ProductText.h"
#include "about/SendMailDirectly.h"
#include "about/ShellOpen.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/MessageBox.h"

#include <QApplication>

namespace razzlewick {

ProductInfo& TheProductInfo()
{
    static ProductInfo info;
    return info;
}

void ProductInfo::ShowAbout() const
{
    // Without an owner of its own the box belongs to the window in use, as a dialog's
    // default owner would be the application's main window.
    AboutDialog dialog(*this, ownerWindow != nullptr ? ownerWindow : QApplication::activeWindow());
    dialog.exec();
}

bool ProductInfo::OpenDocumentation(int* launchCode, std::string* failedPath) const
{
    return OpenDocumentationIn(platform::ProgramFolder(), name, launchCode, failedPath);
}

bool ProductInfo::OpenWebPage() const
{
    ShellOpen(std::string(kMakerSiteBase) + "/" + name + ".html", false);
    return true;
}

bool ProductInfo::SendFeedback() const
{
    const std::string subject = "Feedback:" + name + "_" + version;
    const std::string mailto = std::string("mailto:") + kFeedbackAddress + "?subject=" + subject;
    if (ShellOpen(mailto, true)) {
        return true;
    }
    if (SendMailDirectly(kFeedbackAddress, subject, std::nullopt, true)) {
        return true;
    }
    platform::ShowMessageBox(
        ownerWindow != nullptr ? ownerWindow : QApplication::activeWindow(),
        QStringLiteral("Failed to send mail - tried indirect (browser) and direct (MAPI)"),
        platform::MessageIcon::None);
    return false;
}

}  // namespace razzlewick
