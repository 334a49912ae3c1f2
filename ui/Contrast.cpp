#include "ui/Contrast.h"

#include <cmath>
#include <utility>

namespace razzlewick {

namespace {

double Linear(int channel)
{
    const double value = channel / 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

QColor Mix(QColor from, QColor to, int step, int steps)
{
    const auto channel = [step, steps](int a, int b) { return a + (b - a) * step / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

}  // namespace

double RelativeLuminance(QColor colour)
{
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) +
           0.0722 * Linear(colour.blue());
}

double ContrastRatio(QColor a, QColor b)
{
    double lighter = RelativeLuminance(a);
    double darker = RelativeLuminance(b);
    if (lighter < darker)
        std::swap(lighter, darker);
    return (lighter + 0.05) / (darker + 0.05);
}

bool IsDarkColour(QColor colour)
{
    return ContrastRatio(colour, Qt::white) > ContrastRatio(colour, Qt::black);
}

QColor WithContrast(QColor colour, QColor background, double minimum)
{
    if (ContrastRatio(colour, background) >= minimum)
        return colour;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const bool lighter = RelativeLuminance(colour) >= RelativeLuminance(background);
    const QColor first = lighter ? white : black;
    const QColor second = lighter ? black : white;
    // Fine enough that every channel can take each of its 256 values on the way.
    constexpr int kSteps = 255;
    for (const QColor& extreme : {first, second}) {
        if (ContrastRatio(extreme, background) < minimum)
            continue;
        for (int step = 1; step <= kSteps; ++step) {
            const QColor mixed = Mix(colour, extreme, step, kSteps);
            // Past the background's own brightness on the way to the far extreme, the
            // contrast only rises, so the first mix that reaches it is the nearest.
            if (ContrastRatio(mixed, background) >= minimum)
                return mixed;
        }
    }
    return ContrastRatio(white, background) >= ContrastRatio(black, background) ? white : black;
}

}  // namespace razzlewick
