#include "ui/ConfirmationTip.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScreen>
#include <QStyleOption>
#include <QStylePainter>

#include <algorithm>

namespace razzlewick {

namespace {

// Space between the text and the tip's edge, and between the tip and its control.
constexpr int kPadding = 4;
constexpr int kGap = 2;

// Screen readers say a notification as it shows; Qt from 6.8 announces it outright, and
// the tip is then a plain tooltip to them.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
constexpr QAccessible::Role kTipRole = QAccessible::ToolTip;
#else
constexpr QAccessible::Role kTipRole = QAccessible::Notification;
#endif

class TipAccessible final : public QAccessibleWidget {
public:
    explicit TipAccessible(ConfirmationTip* tip) : QAccessibleWidget(tip, kTipRole) {}

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<ConfirmationTip*>(widget())->Text()
                                         : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* TipFactory(const QString& /*className*/, QObject* object)
{
    auto* tip = qobject_cast<ConfirmationTip*>(object);
    return tip != nullptr ? new TipAccessible(tip) : nullptr;
}

}  // namespace

ConfirmationTip::ConfirmationTip(QWidget* window)
    : QWidget(window, Qt::ToolTip | Qt::FramelessWindowHint)
{
    static const bool installed = [] {
        QAccessible::installFactory(TipFactory);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("confirmationTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kShownMilliseconds);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

ConfirmationTip::~ConfirmationTip() = default;

void ConfirmationTip::Show(const QWidget& control, const QString& text)
{
    const bool renamed = text != text_;
    text_ = text;
    // One tip says several words ("Copied", "Kept"): screen readers keep a name they have
    // read until they are told it changed.
    if (renamed) {
        QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameChanged);
    }
    const QSize size =
        fontMetrics().size(Qt::TextSingleLine, text_) + QSize(2 * kPadding, 2 * kPadding);
    const QPoint centre = control.mapToGlobal(control.rect().center());
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(centre);
    placed.moveBottom(control.mapToGlobal(QPoint(0, 0)).y() - kGap);
    if (const QScreen* screen = control.screen()) {
        const QRect room = screen->availableGeometry();
        if (placed.top() < room.top())
            placed.moveTop(control.mapToGlobal(QPoint(0, control.height())).y() + kGap);
        placed.moveLeft(std::clamp(placed.left(), room.left(),
                                   std::max(room.left(), room.right() + 1 - placed.width())));
    }
    setGeometry(placed);
    // Shown again, a screen reader hears it again.
    hide();
    show();
    update();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(this, text_);
    QAccessible::updateAccessibility(&announcement);
#else
    // Qt keeps quiet about a tooltip window showing; a notification must say so.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
    hideTimer_.start();
}

void ConfirmationTip::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, frame);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}

}  // namespace razzlewick
