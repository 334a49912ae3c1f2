#pragma once

#include <QAccessibleWidget>

namespace razzlewick {

class CHyperLink;

// What assistive tools see of a link control: a link, named by its text, described by its
// tooltip, marked as traversed once visited, and with a press action that opens it as a
// click does. Qt would show it as plain static text with nothing to press.
class CHyperLinkAccessible final : public QAccessibleWidget {
public:
    explicit CHyperLinkAccessible(CHyperLink* link);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Registers the interface with Qt's accessibility, once per process.
    static void Install();

private:
    CHyperLink* Link() const;
};

}  // namespace razzlewick
