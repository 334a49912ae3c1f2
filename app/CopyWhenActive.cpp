#include "app/CopyWhenActive.h"

#include "platform/qt/WaylandFocusSelection.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <utility>

namespace razzlewick {

CopyWhenActive::CopyWhenActive(QWidget* window, std::function<void()> copy,
                               std::function<QString()> text)
    : QObject(window),
      window_(window),
      copy_(std::move(copy)),
      text_(std::move(text)),
      // Made before the window shows, so that it sees the focus arrive.
      focusSelection_(new platform::WaylandFocusSelection(this))
{
    window->installEventFilter(this);
}

bool CopyWhenActive::NeedsFocus()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void CopyWhenActive::Request()
{
    if (NeedsFocus() && !window_->isActiveWindow()) {
        pending_ = true;
        return;
    }
    pending_ = false;
    copy_();
}

bool CopyWhenActive::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::WindowActivate && pending_) {
        pending_ = false;
        if (!focusSelection_->SetText(text_()))
            copy_();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace razzlewick
