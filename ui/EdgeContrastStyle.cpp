#include "ui/EdgeContrastStyle.h"

#include "ui/ColourBehind.h"
#include "ui/Contrast.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionTab>
#include <QStyleOptionTabBarBase>

#include <algorithm>
#include <functional>
#include <limits>
#include <unordered_map>
#include <vector>

namespace razzlewick {

namespace {

// Room around a control's rectangle for what a style draws just outside it.
constexpr int kLayerMargin = 2;
// Fainter than this, a pixel is seen through: a soft shadow or the fringe of a curve, not
// the edge.
constexpr int kLeastEdgeAlpha = 128;

bool IsControlEdge(QStyle::PrimitiveElement element)
{
    switch (element) {
        case QStyle::PE_IndicatorCheckBox:
        case QStyle::PE_IndicatorRadioButton:
        case QStyle::PE_PanelLineEdit:
        case QStyle::PE_FrameLineEdit:
        case QStyle::PE_Frame:
        case QStyle::PE_FrameTabWidget:
        case QStyle::PE_FrameTabBarBase:
        case QStyle::PE_PanelButtonBevel:
            return true;
        default:
            return false;
    }
}

// What the control stands on, when that is dark; an invalid colour otherwise.
QColor DarkBehind(const QStyleOption* option, const QWidget* widget)
{
    if (option == nullptr || !IsDarkColour(option->palette.color(QPalette::Window)))
        return {};
    const QColor behind =
        widget != nullptr ? ColourBehind(*widget) : option->palette.color(QPalette::Window);
    return IsDarkColour(behind) ? behind : QColor();
}

// A tab header, and the strip behind the headers, run on into their page on the side the
// tabs face.
Qt::Edges OpenSide(const QStyleOption* option)
{
    QTabBar::Shape shape;
    if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option))
        shape = tab->shape;
    else if (const auto* strip = qstyleoption_cast<const QStyleOptionTabBarBase*>(option))
        shape = strip->shape;
    else
        return {};
    switch (shape) {
        case QTabBar::RoundedNorth:
        case QTabBar::TriangularNorth:
            return Qt::BottomEdge;
        case QTabBar::RoundedSouth:
        case QTabBar::TriangularSouth:
            return Qt::TopEdge;
        case QTabBar::RoundedWest:
        case QTabBar::TriangularWest:
            return Qt::RightEdge;
        case QTabBar::RoundedEast:
        case QTabBar::TriangularEast:
            return Qt::LeftEdge;
    }
    return {};
}

// A pixel of the layer (premultiplied) pulled so that, laid over `behind`, it stands out at
// 3:1: a part-covered pixel at the rim of a curve is given the colour that reaches it once
// blended, where there is one.
QRgb Pulled(QRgb pixel, QColor behind)
{
    const int a = qAlpha(pixel);
    const auto over = [&](int premultiplied, int back) {
        return premultiplied + back * (255 - a) / 255;
    };
    const QColor shown(over(qRed(pixel), behind.red()), over(qGreen(pixel), behind.green()),
                       over(qBlue(pixel), behind.blue()));
    if (ContrastRatio(shown, behind) >= kEdgeContrast)
        return pixel;
    const QColor wanted = WithContrast(shown, behind, kEdgeContrastAim);
    const auto under = [&](int want, int back) {
        return std::clamp(want - back * (255 - a) / 255, 0, a);
    };
    return qRgba(under(wanted.red(), behind.red()), under(wanted.green(), behind.green()),
                 under(wanted.blue(), behind.blue()), a);
}

// Lets `draw` paint on a transparent layer over `rect`, pulls the layer's edge against
// `behind`, and puts the layer where the drawing would have gone.
void DrawPulled(QPainter* painter, const QRect& rect, QColor behind, Qt::Edges open,
                const std::function<void(QPainter*)>& draw)
{
    const auto margin = [open](Qt::Edge side) { return open.testFlag(side) ? 0 : kLayerMargin; };
    const QRect area = rect.adjusted(-margin(Qt::LeftEdge), -margin(Qt::TopEdge),
                                     margin(Qt::RightEdge), margin(Qt::BottomEdge));
    const qreal ratio = painter->device()->devicePixelRatioF();
    QImage layer(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter onLayer(&layer);
        onLayer.setRenderHints(painter->renderHints());
        onLayer.setFont(painter->font());
        onLayer.setPen(painter->pen());
        onLayer.setBrush(painter->brush());
        onLayer.translate(-area.topLeft());
        draw(&onLayer);
    }
    EdgeContrastStyle::PullEdge(layer, behind, std::max(1, qRound(ratio)), open);
    painter->drawImage(area.topLeft(), layer);
}

}  // namespace

// Left to itself a proxy takes the desktop's default style, which is not the one the rest
// of the program is drawn in once a style has been chosen.
EdgeContrastStyle::EdgeContrastStyle() : QProxyStyle(QStyleFactory::create(ApplicationStyleName()))
{
}

EdgeContrastStyle::~EdgeContrastStyle() = default;

void EdgeContrastStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const
{
    const QColor behind = IsControlEdge(element) ? DarkBehind(option, widget) : QColor();
    if (!behind.isValid()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    DrawPulled(painter, option->rect, behind, OpenSide(option), [&](QPainter* onLayer) {
        QProxyStyle::drawPrimitive(element, option, onLayer, widget);
    });
}

void EdgeContrastStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const
{
    const QColor behind = element == CE_TabBarTabShape ? DarkBehind(option, widget) : QColor();
    if (!behind.isValid()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    DrawPulled(painter, option->rect, behind, OpenSide(option), [&](QPainter* onLayer) {
        QProxyStyle::drawControl(element, option, onLayer, widget);
    });
}

void EdgeContrastStyle::drawComplexControl(ComplexControl control,
                                           const QStyleOptionComplex* option, QPainter* painter,
                                           const QWidget* widget) const
{
    const QColor behind = control == CC_ComboBox ? DarkBehind(option, widget) : QColor();
    if (!behind.isValid()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    DrawPulled(painter, option->rect, behind, {}, [&](QPainter* onLayer) {
        QProxyStyle::drawComplexControl(control, option, onLayer, widget);
    });
}

void EdgeContrastStyle::PullEdge(QImage& layer, QColor behind, int depth, Qt::Edges open)
{
    const int width = layer.width();
    const int height = layer.height();
    const auto at = [width](int x, int y) { return static_cast<std::size_t>(y) * width + x; };
    const auto alpha = [&layer](int x, int y) {
        return qAlpha(reinterpret_cast<const QRgb*>(layer.constScanLine(y))[x]);
    };
    // Steps from the nearest pixel one sees through, or from beyond the border.
    constexpr int kFar = std::numeric_limits<int>::max();
    std::vector<int> steps(static_cast<std::size_t>(width) * height, kFar);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (alpha(x, y) < kLeastEdgeAlpha) {
                steps[at(x, y)] = 0;
            } else if ((x == 0 && !open.testFlag(Qt::LeftEdge)) ||
                       (y == 0 && !open.testFlag(Qt::TopEdge)) ||
                       (x == width - 1 && !open.testFlag(Qt::RightEdge)) ||
                       (y == height - 1 && !open.testFlag(Qt::BottomEdge))) {
                steps[at(x, y)] = 1;
            }
        }
    }
    for (int step = 1; step <= depth; ++step) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (steps[at(x, y)] != kFar)
                    continue;
                const bool next = (x > 0 && steps[at(x - 1, y)] == step - 1) ||
                                  (y > 0 && steps[at(x, y - 1)] == step - 1) ||
                                  (x + 1 < width && steps[at(x + 1, y)] == step - 1) ||
                                  (y + 1 < height && steps[at(x, y + 1)] == step - 1);
                if (next)
                    steps[at(x, y)] = step;
            }
        }
    }
    // An edge is drawn in a colour or two: each is pulled once.
    std::unordered_map<QRgb, QRgb> pulled;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int step = steps[at(x, y)];
            if (step == 0 || step > depth)
                continue;
            auto found = pulled.find(line[x]);
            if (found == pulled.end())
                found = pulled.emplace(line[x], Pulled(line[x], behind)).first;
            line[x] = found->second;
        }
    }
}

void EdgeContrastStyle::Install()
{
    if (qobject_cast<const EdgeContrastStyle*>(QApplication::style()) != nullptr)
        return;
    // A style no factory knows by its name stays as it is.
    if (QStyleFactory::keys().contains(QApplication::style()->name(), Qt::CaseInsensitive))
        QApplication::setStyle(new EdgeContrastStyle);
}

QString EdgeContrastStyle::ApplicationStyleName()
{
    const QStyle* style = QApplication::style();
    if (const auto* edges = qobject_cast<const EdgeContrastStyle*>(style))
        style = edges->baseStyle();
    return style->name();
}

}  // namespace razzlewick
