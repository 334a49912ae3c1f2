#include "ui/PartedControlAccessible.h"

#include "ui/SpinArrows.h"
#include "ui/TabControl.h"

#include <utility>

namespace razzlewick {

namespace {

QString WithoutMnemonic(QString text)
{
    // "&&" stands for a shown "&"; a lone "&" marks the next letter.
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QAccessibleInterface* ForTabControl(TabControl* tabs)
{
    auto makeTab = [tabs](int index) {
        AccessiblePart::Behaviour tab;
        tab.role = QAccessible::PageTab;
        tab.name = [tabs, index] { return WithoutMnemonic(tabs->tabText(index)); };
        tab.rect = [tabs, index] { return tabs->tabRect(index); };
        tab.state = [tabs, index] {
            QAccessible::State state;
            state.selectable = true;
            state.selected = tabs->currentIndex() == index;
            state.focusable = true;
            state.focused = state.selected && tabs->hasFocus();
            state.invisible = index >= tabs->count() || !tabs->isTabVisible(index);
            state.disabled = !tabs->isTabEnabled(index);
            return state;
        };
        tab.press = [tabs, index] { tabs->setCurrentIndex(index); };
        return tab;
    };
    return new PartedControlAccessible(
        tabs, QAccessible::PageTabList, [tabs] { return tabs->count(); }, makeTab,
        [tabs] { return tabs->hasFocus() ? tabs->currentIndex() : -1; });
}

QAccessibleInterface* ForSpinArrows(SpinArrows* spin)
{
    // The upper arrow counts up, the lower one down.
    auto makeArrow = [spin](int index) {
        AccessiblePart::Behaviour arrow;
        arrow.role = QAccessible::PushButton;
        arrow.name = [index] {
            return index == 0 ? QStringLiteral("More") : QStringLiteral("Fewer");
        };
        arrow.rect = [spin, index] {
            const int half = spin->height() / 2;
            return index == 0 ? QRect(0, 0, spin->width(), half)
                              : QRect(0, half, spin->width(), spin->height() - half);
        };
        arrow.press = [spin, index] { spin->StepBy(index == 0 ? 1 : -1); };
        return arrow;
    };
    return new PartedControlAccessible(
        spin, QAccessible::Grouping, [] { return 2; }, makeArrow);
}

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object)
{
    if (auto* tabs = qobject_cast<TabControl*>(object))
        return ForTabControl(tabs);
    if (auto* spin = qobject_cast<SpinArrows*>(object))
        return ForSpinArrows(spin);
    return nullptr;
}

}  // namespace

PartedControlAccessible::PartedControlAccessible(QWidget* control, QAccessible::Role role,
                                                 PartCount count, MakePart makePart,
                                                 FocusPart focusPart)
    : QAccessibleWidget(control, role),
      count_(std::move(count)),
      makePart_(std::move(makePart)),
      focusPart_(std::move(focusPart))
{
}

PartedControlAccessible::~PartedControlAccessible()
{
    for (QAccessible::Id id : parts_)
        QAccessible::deleteAccessibleInterface(id);
}

int PartedControlAccessible::childCount() const
{
    return count_();
}

QAccessibleInterface* PartedControlAccessible::child(int index) const
{
    if (index < 0 || index >= count_())
        return nullptr;
    while (static_cast<int>(parts_.size()) <= index) {
        const int next = static_cast<int>(parts_.size());
        parts_.push_back(QAccessible::registerAccessibleInterface(
            new AccessiblePart(widget(), makePart_(next))));
    }
    return QAccessible::accessibleInterface(parts_[static_cast<size_t>(index)]);
}

int PartedControlAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (size_t i = 0; i < parts_.size(); ++i) {
        if (QAccessible::accessibleInterface(parts_[i]) == child)
            return static_cast<int>(i) < count_() ? static_cast<int>(i) : -1;
    }
    return -1;
}

QAccessibleInterface* PartedControlAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < count_(); ++i) {
        QAccessibleInterface* part = child(i);
        if (part->rect().contains(x, y))
            return part;
    }
    return nullptr;
}

QAccessibleInterface* PartedControlAccessible::focusChild() const
{
    const int index = focusPart_ ? focusPart_() : -1;
    return index >= 0 ? child(index) : QAccessibleWidget::focusChild();
}

void PartedControlAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

}  // namespace razzlewick
