#include "app/TextBoxScroll.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

namespace razzlewick {

int TextBoxLineCount(QPlainTextEdit& textBox)
{
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(textBox.document()->documentLayout());
    int lines = 0;
    for (QTextBlock block = textBox.document()->begin(); block.isValid(); block = block.next()) {
        // The box lays its text out lazily; counting needs every block laid out now.
        if (layout != nullptr)
            layout->ensureBlockLayout(block);
        lines += block.lineCount();
    }
    return lines;
}

void ScrollToLastLines(QPlainTextEdit& textBox, int shown)
{
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(textBox.document()->documentLayout());
    int lines = 0;
    for (QTextBlock block = textBox.document()->lastBlock(); block.isValid() && lines < shown;
         block = block.previous()) {
        if (layout != nullptr)
            layout->ensureBlockLayout(block);
        lines += block.lineCount();
    }
    // The document counts a block not laid out yet as one line, as the scroll bar does.
    ScrollTextBox(textBox, textBox.document()->lineCount() - shown);
}

void ScrollTextBox(QPlainTextEdit& textBox, int lines)
{
    if (lines == 0)
        return;
    // The vertical scroll bar of a plain text box counts lines.
    QScrollBar* bar = textBox.verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

}  // namespace razzlewick
