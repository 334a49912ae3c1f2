#include "ui/TemplateDialog.h"

#include "ui/EdgeContrastStyle.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace razzlewick {

namespace {

ControlFailureHandler& FailureHandler()
{
    static ControlFailureHandler handler;
    return handler;
}

}  // namespace

ControlFailureHandler SetControlFailureHandler(ControlFailureHandler handler)
{
    return std::exchange(FailureHandler(), std::move(handler));
}

TemplateDialog::TemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent), templateId_(templateId)
{
    // Every dialog's controls show their edges on a dark desktop too.
    EdgeContrastStyle::Install();
    const DialogTemplate& dialogTemplate = FindDialogTemplate(templateId);
    BuildDialogFromTemplate(*this, dialogTemplate);
    // Without a sizing frame the user cannot resize the window.
    if ((dialogTemplate.style & (DialogStyle::ThickFrame | DialogStyle::Child)) == 0) {
        sizingFrame_ = false;
        setFixedSize(size());
    }
    foreground_ = (dialogTemplate.style & DialogStyle::SetForeground) != 0;
}

TemplateDialog::~TemplateDialog() = default;

void TemplateDialog::PrepareFirstShow()
{
    if (firstShowPrepared_)
        return;
    firstShowPrepared_ = true;
    BeforeFirstShow();
}

void TemplateDialog::FailRequiredControl(int id, const char* wantedClass,
                                         const QWidget* found) const
{
    const std::string message =
        found == nullptr ? "dialog template " + std::to_string(templateId_) + " has no control " +
                               std::to_string(id) + " (wanted a " + wantedClass + ")"
                         : "control " + std::to_string(id) + " of dialog template " +
                               std::to_string(templateId_) + " is a " +
                               found->metaObject()->className() + ", not a " + wantedClass;
    if (FailureHandler()) {
        FailureHandler()(message);
    }
    qFatal("%s", message.c_str());
}

void TemplateDialog::CentreOverOwner()
{
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (!isWindow() || owner == nullptr || !owner->isVisible() || testAttribute(Qt::WA_Moved))
        return;
    // The window manager frames both windows alike, so centring the frames centres the
    // windows. Qt's own centring guesses the frame from other windows, and guesses wrong
    // where the window manager draws no border at the sides.
    const QRect ownerFrame = owner->frameGeometry();
    QRect placed(QPoint(0, 0), size() + (ownerFrame.size() - owner->size()));
    placed.moveCenter(ownerFrame.center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        placed.moveLeft(std::clamp(placed.left(), room.left(),
                                   std::max(room.left(), room.right() + 1 - placed.width())));
        placed.moveTop(std::clamp(placed.top(), room.top(),
                                  std::max(room.top(), room.bottom() + 1 - placed.height())));
    }
    move(placed.topLeft());
}

void TemplateDialog::setVisible(bool visible)
{
    if (visible) {
        PrepareFirstShow();
        CentreOverOwner();
        // A window of its own with no owner has nothing to block: modal, window managers
        // would take it for a dialog of the whole application and keep it off the taskbar.
        if (windowType() == Qt::Window && parentWidget() == nullptr)
            setAttribute(Qt::WA_ShowModal, false);
    }
    QDialog::setVisible(visible);
    if (visible && foreground_) {
        raise();
        activateWindow();
    }
}

void TemplateDialog::keyPressEvent(QKeyEvent* event)
{
    // QDialog would close itself on Escape and look for a default button of its own on
    // Return; as a page of another dialog that would only blank the page.
    if (!isWindow()) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TemplateDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (QMenuBar* bar = FindMenuBar(this))
        bar->resize(event->size().width(), bar->height());
}

}  // namespace razzlewick
