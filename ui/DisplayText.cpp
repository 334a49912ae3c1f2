#include "ui/DisplayText.h"

#include "data/Windows1252.h"

#include <QStringDecoder>

namespace razzlewick {

namespace {

QString WithPlainLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace

QString EngineTextToDisplay(std::string_view windows1252)
{
    const std::string utf8 = Windows1252ToUtf8(windows1252);
    return WithPlainLineBreaks(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString FileSystemTextToDisplay(std::string_view bytes)
{
    // Line by line, so one odd file name does not change how the others read.
    QString text;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        const std::string_view line =
            bytes.substr(0, end == std::string_view::npos ? bytes.size() : end + 1);
        bytes.remove_prefix(line.size());
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded =
            decoder(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
        text += decoder.hasError() ? EngineTextToDisplay(line) : WithPlainLineBreaks(decoded);
    }
    return text;
}

}  // namespace razzlewick
