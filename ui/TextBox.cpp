#include "ui/TextBox.h"

#include "ui/ColourBehind.h"
#include "ui/Contrast.h"
#include "ui/FocusMark.h"

#include <QPainter>

namespace razzlewick {

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    // The frame's depth; the painting is this class's own.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kFocusMarkDepth);
}

TextBox::~TextBox() = default;

QColor TextBox::FrameColour() const
{
    // The line a style draws round a sunken box, lighter instead in a dark window.
    const QColor behind = ColourBehind(*this);
    return IsDarkColour(behind) ? behind.lighter(160) : behind.darker(140);
}

bool TextBox::event(QEvent* event)
{
    // The scroll area would have the style draw the frame here; nothing else is painted
    // outside the viewport and the scroll bar.
    if (event->type() == QEvent::Paint && frameShape() != QFrame::NoFrame) {
        PaintFrame();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void TextBox::PaintFrame()
{
    const QColor background = palette().color(QPalette::Base);
    const bool focused = hasFocus();
    const QColor outer =
        focused ? FocusMarkColour(palette(), ColourBehind(*this), background) : FrameColour();
    const QColor inner = focused ? outer : background;
    QPainter painter(this);
    const QRectF all = rect();
    for (int depth = 0; depth < kFocusMarkDepth; ++depth) {
        const QRectF ring = all.adjusted(depth, depth, -depth, -depth);
        const QColor colour = depth == 0 ? outer : inner;
        painter.fillRect(QRectF(ring.left(), ring.top(), ring.width(), 1), colour);
        painter.fillRect(QRectF(ring.left(), ring.bottom() - 1, ring.width(), 1), colour);
        painter.fillRect(QRectF(ring.left(), ring.top(), 1, ring.height()), colour);
        painter.fillRect(QRectF(ring.right() - 1, ring.top(), 1, ring.height()), colour);
    }
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    update();
}

void TextBox::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    update();
}

}  // namespace razzlewick
