#pragma once

#include <QColor>
#include <QPolygon>
#include <QPushButton>

namespace razzlewick {

enum class ArrowDirection : int { Up = 0, Down = 1, Left = 2, Right = 3 };

// A small text-less push button cut to a triangle and drawn as a raised or sunken 3-D
// arrow with an outline that stands out from the window. It keeps no images: each paint
// draws it directly, at the pixel density of the screen it is on.
class ArrowButton final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArrowButton)

public:
    explicit ArrowButton(QWidget* parent = nullptr);
    ~ArrowButton() override;

    // Stores the direction and shapes the button again.
    void SetDirection(ArrowDirection direction);
    ArrowDirection Direction() const { return direction_; }

    // Squares the button to the even smaller side and cuts it to the triangle; runs on
    // every SetDirection (and once the builder has placed the button).
    void Shape();
    QPolygon Triangle() const;
    // The colour of the outline all round the triangle.
    QColor OutlineColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ArrowDirection direction_ = ArrowDirection::Right;
};

}  // namespace razzlewick
