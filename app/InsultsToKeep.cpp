#include "app/InsultsToKeep.h"

#include "data/Windows1252.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace razzlewick {

std::vector<std::string> InsultsToKeep(const QPlainTextEdit& textBox)
{
    const QTextDocument& document = *textBox.document();
    const QTextCursor cursor = textBox.textCursor();
    int first = document.findBlock(cursor.selectionStart()).blockNumber();
    const QTextBlock lastBlock = document.findBlock(cursor.selectionEnd());
    int last = lastBlock.blockNumber();
    if (cursor.hasSelection() && last > first && cursor.selectionEnd() == lastBlock.position())
        --last;
    // A batch ends in a line break: the cursor after it, or on a blank line, means the insult
    // above.
    if (!cursor.hasSelection()) {
        while (first > 0 && document.findBlockByNumber(first).text().trimmed().isEmpty())
            --first;
        last = first;
    }
    std::vector<std::string> insults;
    for (int number = first; number <= last; ++number) {
        const QString line = document.findBlockByNumber(number).text().trimmed();
        if (!line.isEmpty())
            insults.push_back(Utf16ToWindows1252(line.toStdU16String()));
    }
    return insults;
}

}  // namespace razzlewick
