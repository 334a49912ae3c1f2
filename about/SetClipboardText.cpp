#include "about/SetClipboardText.h"

#include "data/Windows1252.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace razzlewick {

bool SetClipboardText(const std::string& text)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    const QString unicode = QString::fromStdString(Windows1252ToUtf8(text));
    clipboard->setText(unicode);
    return clipboard->text() == unicode;
}

}  // namespace razzlewick
