#pragma once

#include <QLabel>

namespace razzlewick {

// A static bitmap or icon control of a template. Its picture is drawn the first time the
// control shows, and only if its dialog has not put another picture in its place by then:
// the main window swaps in its style's picture at once, and drawing the template's own
// would be wasted start-up time.
class TemplatePicture final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TemplatePicture)

public:
    TemplatePicture(int imageId, QWidget* parent);
    ~TemplatePicture() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int imageId_ = 0;  // 0: the template names no picture
};

}  // namespace razzlewick
