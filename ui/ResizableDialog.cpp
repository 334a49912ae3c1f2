#include "ui/ResizableDialog.h"

#include "settings/ProfileFile.h"
#include "ui/DialogBuilder.h"

#include <QResizeEvent>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace razzlewick {

namespace {

constexpr std::string_view kWidthKey = "CX";
constexpr std::string_view kHeightKey = "CY";

}  // namespace

ResizableDialog::ResizableDialog(int templateId, QWidget* parent)
    : TemplateDialog(templateId, parent)
{
    // The template's size is both the floor for resizing and the first remembered size.
    minSize_ = size();
    lastSize_ = size();
    setMinimumSize(minSize_);
}

ResizableDialog::~ResizableDialog()
{
    SaveSize();
}

void ResizableDialog::AddAnchor(int controlId, int flags)
{
    const auto flagBits = static_cast<std::uint32_t>(flags) & 0xFFFFu;
    if (flagBits == 0)
        return;
    anchors_.push_back((static_cast<std::uint32_t>(controlId) & 0xFFFFu) | flagBits << 16);
}

QString ResizableDialog::ProfileSection() const
{
    return QString::number(TemplateId(), 16);
}

void ResizableDialog::BeforeFirstShow()
{
    TemplateDialog::BeforeFirstShow();
    if (restoreSize == 0)
        return;
    const std::string section = ProfileSection().toStdString();
    const ProfileSnapshot profile = ApplicationProfile().Read();
    const int width = profile.ReadInteger(section, kWidthKey, 0);
    const int height = profile.ReadInteger(section, kHeightKey, 0);
    if (width == 0 || height == 0)
        return;
    // The profile holds the outer size. Creating the native window lets the platform report
    // its frame where it can before the window is mapped.
    winId();
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize client =
        QSize(width - frame.left() - frame.right(), height - frame.top() - frame.bottom())
            .expandedTo(minSize_);
    // A window without a sizing frame keeps a fixed size, only not the template's.
    if (HasSizingFrame()) {
        resize(client);
    } else {
        setFixedSize(client);
    }
    // A hidden window gets its resize event only when shown; the change counts now, so the
    // anchors registered so far follow it, as they would on a live window. It is no resize
    // by the user, though: writing it back would only replace the stored size by itself, or
    // by the template's size where the saved one could not apply.
    const bool userResized = resized_;
    ApplySizeChange(size());
    resized_ = userResized;
}

void ResizableDialog::resizeEvent(QResizeEvent* event)
{
    TemplateDialog::resizeEvent(event);
    if (isMinimized())
        return;
    // Qt repeats the current size when a window is shown; that is no change.
    if (event->size() == lastSize_)
        return;
    ApplySizeChange(event->size());
}

void ResizableDialog::changeEvent(QEvent* event)
{
    TemplateDialog::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* stateEvent = static_cast<QWindowStateChangeEvent*>(event);
    // Coming back from the task bar is a size change of its own, even at the same size.
    if ((stateEvent->oldState() & Qt::WindowMinimized) != 0 && !isMinimized() &&
        !lastSize_.isEmpty()) {
        resized_ = true;
    }
}

void ResizableDialog::ApplySizeChange(QSize clientSize)
{
    const int dx = clientSize.width() - lastSize_.width();
    const int dy = clientSize.height() - lastSize_.height();
    if (lastSize_.width() != 0) {
        resized_ = true;
        for (const std::uint32_t anchor : anchors_) {
            const int id = static_cast<std::int16_t>(anchor & 0xFFFFu);
            const std::uint32_t flags = anchor >> 16;
            QWidget* control = FindControlWidget(this, id);
            if (control == nullptr || flags == 0)
                continue;
            QRect rect(control->mapTo(this, QPoint(0, 0)), control->size());
            if ((flags & StretchWidth) != 0) {
                rect.setRight(rect.right() + dx);
            } else if ((flags & MoveRight) != 0) {
                rect.translate(dx, 0);
            }
            if ((flags & StretchHeight) != 0) {
                rect.setBottom(rect.bottom() + dy);
            } else if ((flags & MoveDown) != 0) {
                rect.translate(0, dy);
            }
            if (control->parentWidget() != this) {
                rect.moveTopLeft(control->parentWidget()->mapFrom(this, rect.topLeft()));
            }
            control->setGeometry(rect);
            control->update();
        }
    }
    lastSize_ = clientSize;
}

void ResizableDialog::SaveSize()
{
    if (restoreSize == 0 || !resized_ || lastSize_.width() == 0 || lastSize_.height() == 0)
        return;
    const std::string section = ProfileSection().toStdString();
    const QSize outer = frameGeometry().size();
    const ProfileEntry entries[] = {{kWidthKey, outer.width()}, {kHeightKey, outer.height()}};
    ApplicationProfile().WriteIntegers(section, entries);
}

}  // namespace razzlewick
