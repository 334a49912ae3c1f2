#pragma once

#include <QProxyStyle>

namespace razzlewick {

// The application's style with narrower tabs, so the four style tabs fit the strip the
// window's layout gives them instead of needing scroll buttons.
class CompactTabStyle final : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompactTabStyle)

public:
    CompactTabStyle();
    ~CompactTabStyle() override;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

}  // namespace razzlewick
