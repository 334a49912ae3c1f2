#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace razzlewick {

// The up and down arrows beside a number box (a spin control), bound to that buddy edit:
// each step writes the new integer into the buddy (no thousands separators), so the
// buddy's own change notifications report it.
class SpinArrows final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpinArrows)

public:
    explicit SpinArrows(QWidget* parent = nullptr);
    ~SpinArrows() override;

    // Binds to the edit (not owned) and, when alignRight, moves to its right edge.
    void SetBuddy(QLineEdit* buddy, bool alignRight);
    QLineEdit* Buddy() const { return buddy_; }

    void SetRange(int lower, int upper);

    // The buddy's number clamped to the range (the lower bound when it holds no number).
    int Value() const;
    void SetValue(int value);
    // Steps by delta, clamped to the range; writes the buddy only when the value changes.
    void StepBy(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QLineEdit> buddy_;  // not owned; a sibling that may go first
    int lower_ = 0;
    int upper_ = 100;
};

}  // namespace razzlewick
