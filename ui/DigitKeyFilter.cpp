#include "ui/DigitKeyFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace razzlewick {

namespace {

// Control characters (Ctrl+V and the like) are commands, not typed text.
bool TypesNonDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.isPrint() && (c < u'0' || c > u'9'); });
}

}  // namespace

DigitKeyFilter::DigitKeyFilter(QWidget* edit) : QObject(edit)
{
    edit->installEventFilter(this);
}

DigitKeyFilter::~DigitKeyFilter() = default;

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers commands =
            Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if ((key->modifiers() & commands) == 0 && TypesNonDigit(key->text()))
            return true;
    } else if (event->type() == QEvent::InputMethod) {
        if (TypesNonDigit(static_cast<QInputMethodEvent*>(event)->commitString()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace razzlewick
