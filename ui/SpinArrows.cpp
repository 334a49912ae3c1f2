#include "ui/SpinArrows.h"

#include "ui/PartedControlAccessible.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace razzlewick {

SpinArrows::SpinArrows(QWidget* parent) : QWidget(parent)
{
    PartedControlAccessible::Install();
    setFocusPolicy(Qt::NoFocus);
}

// Qt drops the event filter with this object; the buddy may already be gone.
SpinArrows::~SpinArrows() = default;

void SpinArrows::SetBuddy(QLineEdit* buddy, bool alignRight)
{
    if (buddy_ != nullptr)
        buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_ == nullptr)
        return;
    // Arrow keys in the buddy step the value.
    buddy_->installEventFilter(this);
    if (alignRight) {
        // The buddy gives up the arrows' width; the arrows sit at its new right edge.
        QRect edit = buddy_->geometry();
        edit.setWidth(std::max(0, edit.width() - width()));
        buddy_->setGeometry(edit);
        move(edit.x() + edit.width(), edit.y());
        resize(width(), edit.height());
    }
}

void SpinArrows::SetRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
}

int SpinArrows::Value() const
{
    const int low = std::min(lower_, upper_);
    const int high = std::max(lower_, upper_);
    bool ok = false;
    const int value = buddy_ != nullptr ? buddy_->text().trimmed().toInt(&ok) : 0;
    return ok ? std::clamp(value, low, high) : lower_;
}

void SpinArrows::SetValue(int value)
{
    if (buddy_ == nullptr)
        return;
    const int low = std::min(lower_, upper_);
    const int high = std::max(lower_, upper_);
    const QString text = QString::number(std::clamp(value, low, high));
    // Writing the same text again would notify for nothing.
    if (buddy_->text() != text)
        buddy_->setText(text);
}

void SpinArrows::StepBy(int delta)
{
    // A reversed range (lower above upper) steps the other way, as up-down controls do.
    SetValue(Value() + (lower_ <= upper_ ? delta : -delta));
}

void SpinArrows::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = height() / 2;
    const struct {
        QRect rect;
        QStyle::PrimitiveElement arrow;
    } parts[] = {{QRect(0, 0, width(), half), QStyle::PE_IndicatorArrowUp},
                 {QRect(0, half, width(), height() - half), QStyle::PE_IndicatorArrowDown}};
    for (const auto& part : parts) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = part.rect;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        QStyleOption arrowOption;
        arrowOption.initFrom(this);
        arrowOption.rect = part.rect.adjusted(2, 1, -2, -1);
        style()->drawPrimitive(part.arrow, &arrowOption, &painter, this);
    }
}

void SpinArrows::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    StepBy(event->position().y() < height() / 2.0 ? 1 : -1);
}

bool SpinArrows::eventFilter(QObject* watched, QEvent* event)
{
    // The event type first: the buddy also sends events while it is being destroyed, when
    // it is no longer a line edit and must not be looked at as one.
    if (event->type() == QEvent::KeyPress && watched == buddy_ && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace razzlewick
