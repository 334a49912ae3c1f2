#include "about/CHyperLink.h"

#include "about/CHyperLinkAccessible.h"
#include "about/DesktopOpen.h"
#include "about/OpenErrorText.h"
#include "about/ShellOpen.h"
#include "platform/BrowserCommand.h"
#include "platform/LaunchCodes.h"
#include "platform/StartProgram.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/WaitCursor.h"
#include "ui/ColourBehind.h"
#include "ui/Contrast.h"
#include "ui/DialogBuilder.h"
#include "ui/DisplayText.h"
#include "ui/FocusMark.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace razzlewick {

namespace {

// Shared by every link and kept until the process ends, like the system's cursors.
std::optional<QCursor>& SharedHandCursor()
{
    static std::optional<QCursor> cursor;
    return cursor;
}

}  // namespace

CHyperLink::CHyperLink(QWidget* parent) : QLabel(parent)
{
    CHyperLinkAccessible::Install();
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

CHyperLink::~CHyperLink() = default;

void CHyperLink::Attach(QLabel* control)
{
    if (control != nullptr) {
        setParent(control->parentWidget());
        setGeometry(control->geometry());
        setFrameStyle(control->frameStyle());
        setAlignment(control->alignment());
        setFont(control->font());
        setObjectName(control->objectName());
        setProperty(kControlIdProperty, control->property(kControlIdProperty));
        setText(control->text());
        setFocusPolicy(control->focusPolicy());
        stackUnder(control);
        setVisible(!control->isHidden());
        delete control;
    }

    url_ = text().toStdString();
    linkFont_ = font();
    linkFont_.setUnderline((options_ & LinkUnderline) != 0);
    setFont(linkFont_);
    FitToText();
    // A link is a control the keyboard reaches, as in any browser.
    setFocusPolicy(static_cast<Qt::FocusPolicy>(focusPolicy() | Qt::TabFocus));
    if ((options_ & LinkFocusOnClick) != 0) {
        setFocusPolicy(static_cast<Qt::FocusPolicy>(focusPolicy() | Qt::ClickFocus));
    }
    if ((options_ & LinkNoHandCursor) == 0) {
        LoadHandCursor();
    }
    if (HandCursorLoaded()) {
        setCursor(*SharedHandCursor());
    }
    setToolTip(text());
}

void CHyperLink::FitToText()
{
    if ((options_ & LinkAutoSize) == 0) {
        return;
    }
    QRect rect = geometry();
    const int nonClientWidth = width() - contentsRect().width();
    const int nonClientHeight = height() - contentsRect().height();
    const QFontMetrics metrics(linkFont_);
    const int textWidth = metrics.horizontalAdvance(text());
    const int textHeight = metrics.height();

    if ((alignment() & Qt::AlignVCenter) != 0) {
        const int shrink = (rect.height() - textHeight) / 2;
        rect.adjust(0, shrink, 0, -shrink);
    } else {
        rect.setHeight(textHeight);
    }
    if ((alignment() & Qt::AlignHCenter) != 0) {
        const int shrink = (rect.width() - textWidth) / 2;
        rect.adjust(shrink, 0, -shrink, 0);
    } else if ((alignment() & Qt::AlignRight) != 0) {
        rect.setLeft(rect.right() + 1 - textWidth);
    } else {
        rect.setWidth(textWidth);
    }
    setGeometry(rect.left(), rect.top(), rect.width() + nonClientWidth,
                rect.height() + nonClientHeight);
    update();
}

QColor CHyperLink::TextColour() const
{
    // The fixed colours are made for a light window. On a dark one the palette's link
    // colours take their place, and every colour is pulled away from the background
    // until it reads.
    const QColor background = ColourBehind(*this);
    const bool dark = IsDarkColour(background);
    QColor colour;
    if (over_ && (options_ & LinkHoverColour) != 0) {
        colour = kHoverColour;
    } else if (focused_ && (options_ & LinkNoFocusColour) == 0) {
        colour = kFocusColour;
    } else if (visited_) {
        colour = dark ? palette().color(QPalette::LinkVisited) : kVisitedColour;
    } else {
        colour = dark ? palette().color(QPalette::Link) : kLinkColour;
    }
    return dark ? WithContrast(colour, background, kTextContrastAim) : colour;
}

void CHyperLink::ActivateLink()
{
    const int code = OpenLink(url_, 5);
    if (platform::LaunchSucceeded(code)) {
        visited_ = true;
        update();
        return;
    }
    QApplication::beep();
    ShowOpenError(code, url_);
}

int CHyperLink::OpenLink(const std::string& url, int /*showCommand*/)
{
    // The wait cursor stays up while the browser is looked up, too.
    const platform::WaitCursor waitCursor;
    const int code = ShellOpenResult(url, false);
    if (platform::LaunchSucceeded(code)) {
        return code;
    }
    // The desktop could not open it: start the registered browser ourselves. Whatever
    // goes wrong in finding it, the desktop's own answer is the one reported.
    const auto exec = platform::RegisteredBrowserExec();
    if (!exec) {
        return code;
    }
    const auto command = platform::BrowserCommandFor(*exec, url);
    if (command.empty()) {
        return code;
    }
    return platform::StartProgram(command);
}

void CHyperLink::ShowOpenError(int code)
{
    platform::ShowMessageBox(QApplication::activeWindow(),
                             QString::fromStdString(OpenErrorText(code)),
                             platform::MessageIcon::Exclamation);
}

void CHyperLink::ShowOpenError(int code, const std::string& target)
{
    platform::ShowMessageBox(QApplication::activeWindow(),
                             FileSystemTextToDisplay(DesktopOpenProblem(target, code)),
                             platform::MessageIcon::Exclamation);
}

void CHyperLink::LoadHandCursor()
{
    if (!SharedHandCursor()) {
        SharedHandCursor().emplace(Qt::PointingHandCursor);
    }
}

bool CHyperLink::HandCursorLoaded()
{
    return SharedHandCursor().has_value();
}

bool CHyperLink::event(QEvent* event)
{
    // A link that did not load the cursor still shows it once another link has.
    if (event->type() == QEvent::Enter && HandCursorLoaded()) {
        setCursor(*SharedHandCursor());
    }
    return QLabel::event(event);
}

void CHyperLink::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(linkFont_);
    const QColor colour = TextColour();
    painter.setPen(colour);
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextSingleLine, text());
    if (hasFocus()) {
        // The focus colour alone is a change of hue; a bar under the whole text shows the
        // focus to everyone.
        const QRect area = contentsRect();
        painter.fillRect(
            QRect(area.left(), area.bottom() + 1 - kFocusMarkDepth, area.width(), kFocusMarkDepth),
            colour);
    }
}

void CHyperLink::SetOver(bool over)
{
    if (over_ != over) {
        over_ = over;
        update();
    }
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event)
{
    SetOver(rect().contains(event->position().toPoint()));
    QLabel::mouseMoveEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event)
{
    SetOver(false);
    QLabel::leaveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    if ((options_ & LinkFocusOnClick) != 0) {
        setFocus(Qt::MouseFocusReason);
    }
    if ((options_ & LinkOpenOnPress) != 0) {
        ActivateLink();
    }
    focused_ = true;
    update();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // A release off the link is not the link's: it let go of the mouse as the pointer left,
    // so dragging away before letting go opens nothing.
    if (focused_ && (options_ & LinkOpenOnPress) == 0 &&
        rect().contains(event->position().toPoint())) {
        ActivateLink();
    }
}

void CHyperLink::focusInEvent(QFocusEvent* event)
{
    focused_ = true;
    update();
    QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event)
{
    over_ = false;
    focused_ = false;
    update();
    QLabel::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        ActivateLink();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace razzlewick
