#include "about/CHyperLinkAccessible.h"

#include "about/CHyperLink.h"

namespace razzlewick {

namespace {

QAccessibleInterface* LinkFactory(const QString& /*className*/, QObject* object)
{
    if (auto* link = qobject_cast<CHyperLink*>(object))
        return new CHyperLinkAccessible(link);
    return nullptr;
}

}  // namespace

CHyperLinkAccessible::CHyperLinkAccessible(CHyperLink* link)
    : QAccessibleWidget(link, QAccessible::Link)
{
}

CHyperLink* CHyperLinkAccessible::Link() const
{
    return static_cast<CHyperLink*>(widget());
}

QString CHyperLinkAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Link()->text();
    return QAccessibleWidget::text(kind);
}

QAccessible::State CHyperLinkAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.traversed = Link()->IsVisited();
    return state;
}

QStringList CHyperLinkAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void CHyperLinkAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction()) {
        Link()->ActivateLink();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void CHyperLinkAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(LinkFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace razzlewick
