#pragma once

#include <QPlainTextEdit>

namespace razzlewick {

// A multi-line text box with a frame of its own, two logical pixels deep: a line in the
// frame colour and a margin in the box's background, or, while the box has the focus, both
// in the focus colour. Filled, not stroked, so every side shows at 125 % and 150 % too,
// where a style's one-pixel line can fall just outside the box.
class TextBox final : public QPlainTextEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextBox)

public:
    explicit TextBox(QWidget* parent = nullptr);
    ~TextBox() override;

    QColor FrameColour() const;

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintFrame();
};

}  // namespace razzlewick
