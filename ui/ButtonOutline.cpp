#include "ui/ButtonOutline.h"

#include <cmath>
#include <numbers>

namespace razzlewick {

namespace {

// Rounding as the outline formulas define it: add 0.5, truncate toward zero.
int Round(double value)
{
    return static_cast<int>(value + 0.5);
}
int Half(int value)
{
    return value / 2;
}

QPoint PointOnCircle(double angle, double radius, double centreX, double centreY)
{
    return {Round(std::cos(angle) * radius + centreX), Round(std::sin(angle) * radius + centreY)};
}

}  // namespace

void ButtonOutline::Clear()
{
    for (std::vector<QPoint>& ring : rings_)
        ring.clear();
}

void ButtonOutline::Build(OutlineKind kind, QRect clientRect)
{
    Clear();
    int left = clientRect.left();
    int top = clientRect.top();
    // Inclusive right and bottom.
    int right = clientRect.left() + clientRect.width() - 1;
    int bottom = clientRect.top() + clientRect.height() - 1;
    constexpr double kTwoPi = 2.0 * std::numbers::pi;

    switch (kind) {
        case OutlineKind::Rectangle:
            for (int k = 0; k < kRingCount; ++k) {
                const int d = kInsets[k];
                rings_[k] = {{left + d, top + d},
                             {right - d, top + d},
                             {right - d, bottom - d},
                             {left + d, bottom - d}};
            }
            break;
        case OutlineKind::Diamond: {
            if (right > bottom) {
                left = static_cast<int>(static_cast<unsigned>(right - bottom) / 2u);
                right = bottom + left;
            } else {
                top = static_cast<int>(static_cast<unsigned>(bottom - right) / 2u);
                bottom = right + top;
            }
            const int midX = left + Half(right - left);
            const int midY = top + Half(bottom - top);
            for (int k = 0; k < kRingCount; ++k) {
                const int d = kInsets[k];
                rings_[k] = {
                    {left + d, midY}, {midX, top + d}, {right - d, midY}, {midX, bottom - d}};
            }
            break;
        }
        case OutlineKind::Circle: {
            const int cx = left + Half(right - left);
            const int cy = top + Half(bottom - top);
            const int r = right > bottom ? cy : cx;
            const int n = Round(r);
            for (int k = 0; k < kRingCount; ++k) {
                const double radius = r - kInsets[k];
                for (int i = 0; i < n; ++i) {
                    rings_[k].push_back(PointOnCircle(i * kTwoPi / n, radius, cx, cy));
                }
            }
            break;
        }
        case OutlineKind::Capsule: {
            int r = 0;
            QPoint firstCentre;
            double startAngle = 0.0;
            if (right > bottom) {
                r = top + Half(bottom - top);
                firstCentre = {right - r, r};
                startAngle = 3.0 * std::numbers::pi / 2.0;
            } else {
                r = left + Half(right - left);
                firstCentre = {r, bottom - r};
            }
            const QPoint secondCentre(r, r);
            const int n = Round(r);
            const int h = n / 2;
            for (int k = 0; k < kRingCount; ++k) {
                const double radius = r - kInsets[k];
                if (n == 0)
                    break;
                for (int i = 0; i <= h; ++i) {
                    rings_[k].push_back(PointOnCircle(startAngle + i * kTwoPi / n, radius,
                                                      firstCentre.x(), firstCentre.y()));
                }
                for (int i = h; i <= n; ++i) {
                    rings_[k].push_back(PointOnCircle(startAngle + i * kTwoPi / n, radius,
                                                      secondCentre.x(), secondCentre.y()));
                }
            }
            break;
        }
    }
    CloseRings();
}

void ButtonOutline::CloseRings()
{
    for (std::vector<QPoint>& ring : rings_) {
        if (!ring.empty() && ring.back() != ring.front())
            ring.push_back(ring.front());
    }
}

bool ButtonOutline::IsValid() const
{
    if (rings_[0].empty())
        return false;
    for (const std::vector<QPoint>& ring : rings_) {
        if (ring.size() != rings_[0].size())
            return false;
    }
    return true;
}

QPolygon ButtonOutline::RingPolygon(int index) const
{
    const std::vector<QPoint>& ring = rings_.at(index);
    return QPolygon(QList<QPoint>(ring.begin(), ring.end()));
}

QRegion ButtonOutline::RingRegion(int index) const
{
    if (rings_.at(index).size() > static_cast<std::size_t>(kMaxRegionPoints))
        return {};
    return QRegion(RingPolygon(index), Qt::OddEvenFill);
}

}  // namespace razzlewick
