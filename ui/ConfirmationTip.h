#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace razzlewick {

// A word that a command worked ("Copied"), shown as a tip beside the control that gave the
// command for a moment, and said by screen readers: a window of its own, so the dialog's
// layout never moves for it. One per window; showing it again restarts the moment.
class ConfirmationTip final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConfirmationTip)

public:
    // How long the tip stays.
    static constexpr int kShownMilliseconds = 1500;

    // `window` owns the tip.
    explicit ConfirmationTip(QWidget* window);
    ~ConfirmationTip() override;

    // Shows `text` just above `control` (below it where the screen ends above).
    void Show(const QWidget& control, const QString& text);
    const QString& Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QTimer hideTimer_;
};

}  // namespace razzlewick
