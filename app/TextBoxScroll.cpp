#include "app/TextBoxScroll.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

int TextBoxLineCount(QWidget* textBox)
{
    auto* edit = qobject_cast<QPlainTextEdit*>(textBox);
    if (edit == nullptr)
        return 0;
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(edit->document()->documentLayout());
    int lines = 0;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        // The box lays its text out lazily; counting needs every block laid out now.
        if (layout != nullptr)
            layout->ensureBlockLayout(block);
        lines += block.lineCount();
    }
    return lines;
}

void ScrollTextBox(QWidget* textBox, int lines)
{
    auto* edit = qobject_cast<QPlainTextEdit*>(textBox);
    if (edit == nullptr || lines == 0)
        return;
    // The vertical scroll bar of a plain text box counts lines.
    QScrollBar* bar = edit->verticalScrollBar();
    bar->setValue(bar->value() + lines);
}
