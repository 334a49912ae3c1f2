#include "ui/FittedLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace razzlewick {

namespace {

constexpr double kSmallestScale = 0.75;

class TextFitter final : public QObject {
public:
    explicit TextFitter(QLabel* label) : QObject(label), label_(label) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == label_ && event->type() == QEvent::Paint)
            Fit();
        return false;
    }

private:
    void Fit()
    {
        // The inherited font, not the label's own, which may already be a shrunk one.
        QFont font =
            label_->parentWidget() != nullptr ? label_->parentWidget()->font() : label_->font();
        const double room = label_->contentsRect().width();
        const double wanted = QFontMetricsF(font).horizontalAdvance(label_->text());
        if (wanted > room && room > 0 && font.pointSizeF() > 0) {
            const double scale = std::max(kSmallestScale, room / wanted);
            // Half points, rounded down, so the shrunk text is sure to fit.
            font.setPointSizeF(std::floor(font.pointSizeF() * scale * 2) / 2);
        }
        if (label_->font() != font)
            label_->setFont(font);
    }

    QLabel* label_;  // the parent: it owns this fitter
};

}  // namespace

void KeepTextInView(QLabel* label)
{
    label->installEventFilter(new TextFitter(label));
}

}  // namespace razzlewick
