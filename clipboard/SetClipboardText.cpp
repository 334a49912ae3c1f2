#include "clipboard/SetClipboardText.h"

#include "data/Windows1252.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace razzlewick {

std::string ToClipboardLines(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        lines.push_back(text[i]);
    }
    if (lines.ends_with('\n'))
        lines.pop_back();
    return lines;
}

QString ClipboardText(const std::string& text)
{
    return QString::fromStdString(Windows1252ToUtf8(ToClipboardLines(text)));
}

bool SetClipboardText(const std::string& text)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    const QString unicode = ClipboardText(text);
    clipboard->setText(unicode);
    return clipboard->text() == unicode;
}

}  // namespace razzlewick
