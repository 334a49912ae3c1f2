#include "app/DisplayFailure.h"

#include "cli/WindowModule.h"

#include <QMessageLogContext>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

namespace {

struct HeldMessage {
    QtMsgType type = QtDebugMsg;
    std::string category;
    std::string text;
};

// The handler is a plain function, so what it holds lives here, for the guard's lifetime only.
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;

// The platform loader's own lines only say that the plugin failed, not why.
constexpr std::string_view kPluginCategory = "qt.qpa.plugin";

// The connection's own error among the held messages, or the fatal message's first line.
std::string FailureReason(const std::vector<HeldMessage>& held, const std::string& fatalText)
{
    for (const HeldMessage& message : held) {
        if (message.type != QtDebugMsg && message.type != QtInfoMsg &&
            message.category != kPluginCategory && !message.text.empty())
            return message.text;
    }
    return fatalText.substr(0, fatalText.find('\n'));
}

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const std::string category = context.category != nullptr ? context.category : "";
    if (type == QtFatalMsg) {
        const std::string line =
            CannotOpenWindowMessage(FailureReason(heldMessages, message.toStdString()));
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, category, message.toStdString()});
}

}  // namespace

DisplayFailureGuard::DisplayFailureGuard()
{
    heldMessages.clear();
    previousHandler = qInstallMessageHandler(HoldOrFail);
}

DisplayFailureGuard::~DisplayFailureGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.c_str());
        if (previousHandler != nullptr)
            previousHandler(held.type, context, QString::fromStdString(held.text));
        else
            std::fprintf(stderr, "%s\n", held.text.c_str());
    }
    heldMessages.clear();
}

}  // namespace razzlewick
