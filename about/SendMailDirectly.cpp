#include "about/SendMailDirectly.h"

#include "platform/XdgEmail.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/UserInputWatch.h"
#include "platform/qt/WaitCursor.h"

#include <QApplication>

namespace razzlewick {

bool SendMailDirectly(const std::string& address, const std::string& subject,
                      const std::optional<std::string>& body, bool interactive)
{
    platform::MailOutcome outcome = platform::MailOutcome::Refused;
    {
        const platform::WaitCursor waitCursor;
        platform::UserInputWatch input;
        outcome = platform::XdgEmail(address, subject, body, platform::kLauncherPatience,
                                     input.StopCondition());
    }
    // The wait cursor ends before the message, so the box gets the ordinary arrow.
    if (outcome == platform::MailOutcome::NoMailTool && interactive) {
        platform::ShowMessageBox(
            QApplication::activeWindow(),
            QStringLiteral("Can't generate a mail message.  Do you have mail installed?"),
            platform::MessageIcon::Exclamation);
    }
    return outcome == platform::MailOutcome::Accepted;
}

}  // namespace razzlewick
