#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>

#include <array>
#include <vector>

namespace razzlewick {

enum class OutlineKind : int { Rectangle = 0, Diamond = 1, Circle = 2, Capsule = 3 };

// The outline of a drawn button: ring 0 is the edge itself, rings 1, 2 and 3 are copies
// inset by 1, 2 and 4 pixels. Every ring is closed (last point = first point).
class ButtonOutline final {
public:
    static constexpr int kRingCount = 4;
    static constexpr std::array<int, kRingCount> kInsets = {0, 1, 2, 4};
    // Region building is designed for rings up to this many points.
    static constexpr int kMaxRegionPoints = 1024;

    // Rebuilds all rings for the given kind in the client rectangle (left, top at 0).
    void Build(OutlineKind kind, QRect clientRect);
    void Clear();

    bool IsValid() const;
    const std::vector<QPoint>& Ring(int index) const { return rings_.at(index); }
    QPolygon RingPolygon(int index) const;
    // The ring as a region with the odd-even fill rule; empty beyond kMaxRegionPoints.
    QRegion RingRegion(int index) const;

private:
    void CloseRings();

    std::array<std::vector<QPoint>, kRingCount> rings_;
};

}  // namespace razzlewick
