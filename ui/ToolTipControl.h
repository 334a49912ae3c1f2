#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace razzlewick {

// The tooltips of one window: each tool is a whole control with its own text. Qt shows a
// widget's tooltip by itself, so deactivating means swallowing the tooltip requests of the
// registered controls until the control is activated again.
class ToolTipControl final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolTipControl)

public:
    explicit ToolTipControl(QObject* parent = nullptr);
    ~ToolTipControl() override;

    // Gives control its tooltip and watches its tooltip requests; control is not owned.
    void AddTool(QWidget* control, const QString& text);
    void Activate(bool active);
    bool IsActive() const { return active_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool active_ = true;
};

}  // namespace razzlewick
