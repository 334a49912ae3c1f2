#include "ui/DialogBuilder.h"

#include "ui/ArrowButton.h"
#include "ui/DigitKeyFilter.h"
#include "ui/DrawnButton.h"
#include "ui/SpinArrows.h"
#include "ui/TabControl.h"
#include "ui/TemplatePicture.h"
#include "ui/TextBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeView>

#include <cmath>
#include <cstdint>

namespace razzlewick {

namespace {

namespace CS = ControlStyle;
namespace DS = DialogStyle;

// The height of the menu bar above the controls is kept on the dialog.
constexpr const char* kMenuHeightProperty = "menuBarHeight";

// MulDiv: a * b / c in 64 bits, rounded to nearest with halves away from zero.
int MulDiv(int a, int b, int c)
{
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

bool Has(std::uint32_t style, std::uint32_t flag)
{
    return (style & flag) != 0;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

Qt::Alignment TextAlignment(std::uint32_t style)
{
    Qt::Alignment alignment = Has(style, CS::Center) ? Qt::AlignHCenter : Qt::AlignLeft;
    alignment |= Has(style, CS::CenterVertical) ? Qt::AlignVCenter : Qt::AlignTop;
    return alignment;
}

QWidget* MakeStaticText(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new QLabel(Text(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(TextAlignment(control.style));
    // Vertically centred statics are single-line; the others wrap at word boundaries.
    label->setWordWrap(!Has(control.style, CS::CenterVertical));
    return label;
}

QWidget* MakePicture(const ControlTemplate& control, QWidget* parent)
{
    auto* label = new TemplatePicture(control.imageId, parent);
    label->setAlignment(Qt::AlignCenter);
    if (Has(control.style, CS::DialogFrame)) {
        label->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    } else if (Has(control.style, CS::SunkenEdge)) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    return label;
}

QWidget* MakeEdit(const ControlTemplate& control, QWidget* parent)
{
    if (Has(control.style, CS::Multiline)) {
        auto* edit = new TextBox(parent);
        edit->setReadOnly(Has(control.style, CS::ReadOnly));
        edit->setLineWrapMode(Has(control.style, CS::WordWrap) ? QPlainTextEdit::WidgetWidth
                                                               : QPlainTextEdit::NoWrap);
        edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        edit->setVerticalScrollBarPolicy(Has(control.style, CS::VScroll) ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
        if (!Has(control.style, CS::Border))
            edit->setFrameShape(QFrame::NoFrame);
        edit->setTabChangesFocus(true);
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(Has(control.style, CS::ReadOnly));
    edit->setFrame(Has(control.style, CS::Border));
    if (Has(control.style, CS::Digits))
        new DigitKeyFilter(edit);
    return edit;
}

QWidget* MakePushButton(const ControlTemplate& control, QWidget* parent)
{
    if (control.text.empty())
        return new ArrowButton(parent);
    auto* button = new DrawnButton(Text(control.text), parent);
    button->setDefault(Has(control.style, CS::DefaultButton));
    return button;
}

QWidget* MakeCheckBox(const ControlTemplate& control, QWidget* parent)
{
    auto* check = new QCheckBox(Text(control.text), parent);
    // Text left of the box: the box goes to the right edge.
    if (Has(control.style, CS::TextLeft))
        check->setLayoutDirection(Qt::RightToLeft);
    return check;
}

// Styles with a bigger box or wider spacing leave a check box's text less room than the
// layout gives it; the control then grows away from its box by what is missing. A box
// taller than the control would lose its top and bottom edges: the control then grows
// about its middle until the whole box shows.
void FitCheckBox(QCheckBox& check, bool textLeft)
{
    QStyleOptionButton option;
    option.initFrom(&check);
    option.text = check.text();
    const QStyle* style = check.style();
    const QRect room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, &check);
    const int needed =
        check.fontMetrics().horizontalAdvance(QString(check.text()).remove(QLatin1Char('&')));
    const int missing = needed - room.width();
    const int shorter =
        style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &check).height() -
        check.height();
    QRect rect = check.geometry();
    if (missing > 0 && textLeft) {
        rect.setLeft(rect.left() - missing);
    } else if (missing > 0) {
        rect.setRight(rect.right() + missing);
    }
    if (shorter > 0)
        rect.adjust(0, -shorter / 2, 0, shorter - shorter / 2);
    check.setGeometry(rect);
}

QWidget* MakeComboBox(const ControlTemplate& control, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    for (const std::string& item : control.items)
        combo->addItem(Text(item));
    combo->setCurrentIndex(-1);
    return combo;
}

// A list of rows in columns, whole rows selected, as many as the user picks. Rows are all one
// height, so a list of a hundred thousand scrolls and opens without measuring each.
QWidget* MakeListView(QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    return view;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent)
{
    switch (control.kind) {
        case ControlKind::StaticText:
            return MakeStaticText(control, parent);
        case ControlKind::StaticBitmap:
        case ControlKind::StaticIcon:
            return MakePicture(control, parent);
        case ControlKind::GroupBox:
            return new QGroupBox(Text(control.text), parent);
        case ControlKind::Edit:
            return MakeEdit(control, parent);
        case ControlKind::PushButton:
            return MakePushButton(control, parent);
        case ControlKind::CheckBox:
            return MakeCheckBox(control, parent);
        case ControlKind::ComboDropDownList:
            return MakeComboBox(control, parent);
        case ControlKind::UpDown:
            return new SpinArrows(parent);
        case ControlKind::TabStrip:
            return new TabControl(parent);
        case ControlKind::ListView:
            return MakeListView(parent);
    }
    return new QWidget(parent);
}

// "&Read the documentation" -> "readTheDocumentationAction".
QString ActionName(const std::string& text)
{
    QString name;
    bool upper = false;
    for (const QChar c : Text(text)) {
        if (c == QLatin1Char('&') || c == QLatin1Char('.'))
            continue;
        if (c.isSpace()) {
            upper = !name.isEmpty();
            continue;
        }
        name += name.isEmpty() ? c.toLower() : (upper ? c.toUpper() : c);
        upper = false;
    }
    return name + QStringLiteral("Action");
}

int BuildMenuBar(QWidget& dialog, int menuId, int clientWidth)
{
    const MenuTemplate& menuTemplate = FindMenuTemplate(menuId);
    auto* bar = new QMenuBar(&dialog);
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setProperty(kControlIdProperty, menuId);
    for (const PopupMenuTemplate& popup : menuTemplate.popups) {
        QMenu* menu = bar->addMenu(Text(popup.text));
        for (const MenuItemTemplate& item : popup.items) {
            if (item.separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(Text(item.text));
            action->setObjectName(ActionName(item.text));
            action->setProperty(kControlIdProperty, item.commandId);
            if (!item.shortcut.empty())
                action->setShortcut(QKeySequence(Text(item.shortcut)));
        }
    }
    const int height = bar->sizeHint().height();
    bar->setGeometry(0, 0, clientWidth, height);
    return height;
}

}  // namespace

QFont DialogFont(int pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {.x = (alphabet / 26 + 1) / 2, .y = metrics.height()};
}

QRect DialogUnitsToPixels(QRect dialogUnits, DialogBaseUnits units)
{
    // Position and size are converted separately, as dialog creation does.
    return {MulDiv(dialogUnits.x(), units.x, 4), MulDiv(dialogUnits.y(), units.y, 8),
            MulDiv(dialogUnits.width(), units.x, 4), MulDiv(dialogUnits.height(), units.y, 8)};
}

QSize DialogUnitsToPixels(QSize dialogUnits, DialogBaseUnits units)
{
    return {MulDiv(dialogUnits.width(), units.x, 4), MulDiv(dialogUnits.height(), units.y, 8)};
}

void BuildDialogFromTemplate(QWidget& dialog, const DialogTemplate& dialogTemplate)
{
    const QFont font =
        DialogFont(dialogTemplate.fontPointSize > 0 ? dialogTemplate.fontPointSize : 8);
    dialog.setFont(font);
    const DialogBaseUnits units = BaseUnitsOf(font);
    const QSize client =
        DialogUnitsToPixels(QSize(dialogTemplate.width, dialogTemplate.height), units);

    if (Has(dialogTemplate.style, DS::Child)) {
        dialog.setWindowFlags(Qt::Widget);
        if (!Has(dialogTemplate.style, DS::Visible))
            dialog.hide();
    } else {
        // An application window of its own is an ordinary top-level window, which taskbars
        // list and window switchers offer. Any window with an owner is a dialog, transient
        // for it: only then do window managers keep it above its owner (on top or not) and
        // minimise the two together, so the owner is never left blocked by a hidden window.
        const bool ownWindow =
            Has(dialogTemplate.style, DS::AppWindow) && dialog.parentWidget() == nullptr;
        Qt::WindowFlags flags = ownWindow ? Qt::Window : Qt::Dialog;
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (Has(dialogTemplate.style, DS::SystemMenu)) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        }
        if (Has(dialogTemplate.style, DS::MinimizeBox))
            flags |= Qt::WindowMinimizeButtonHint;
        if (Has(dialogTemplate.style, DS::MaximizeBox))
            flags |= Qt::WindowMaximizeButtonHint;
        dialog.setWindowFlags(flags);
        dialog.setWindowTitle(Text(dialogTemplate.caption));
    }
    dialog.setObjectName(QStringLiteral("dialog%1").arg(dialogTemplate.id));
    dialog.setProperty("templateId", dialogTemplate.id);

    const int menuHeight = dialogTemplate.menuId != 0
                               ? BuildMenuBar(dialog, dialogTemplate.menuId, client.width())
                               : 0;
    dialog.setProperty(kMenuHeightProperty, menuHeight);

    QWidget* previous = nullptr;
    QWidget* lastTabStop = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = MakeControl(control, &dialog);
        widget->setObjectName(Text(control.name));
        widget->setProperty(kControlIdProperty, control.id);
        QRect rect =
            DialogUnitsToPixels(QRect(control.x, control.y, control.width, control.height), units);
        rect.translate(0, menuHeight);
        if (control.kind == ControlKind::ComboDropDownList) {
            // The template height includes the dropped list; the closed box is one line high.
            rect.setHeight(std::min(rect.height(), widget->sizeHint().height()));
        }
        widget->setGeometry(rect);
        if (auto* check = qobject_cast<QCheckBox*>(widget))
            FitCheckBox(*check, Has(control.style, CS::TextLeft));
        if (Has(control.style, CS::TabStop)) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (lastTabStop != nullptr)
                QWidget::setTabOrder(lastTabStop, widget);
            lastTabStop = widget;
        } else if (control.kind == ControlKind::Edit || control.kind == ControlKind::TabStrip) {
            // Without a tab stop a click still focuses it; the Tab key passes it by.
            widget->setFocusPolicy(Qt::ClickFocus);
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
        if (auto* spinArrows = qobject_cast<SpinArrows*>(widget)) {
            // The buddy is the control before the up-down in template order.
            auto* buddy = qobject_cast<QLineEdit*>(previous);
            if (buddy != nullptr && Has(control.style, CS::Buddy)) {
                spinArrows->SetBuddy(buddy, Has(control.style, CS::AlignRight));
            }
        }
        if (auto* arrow = qobject_cast<ArrowButton*>(widget))
            arrow->Shape();
        previous = widget;
    }
    dialog.resize(client.width(), client.height() + menuHeight);
}

QWidget* FindControlWidget(const QWidget* dialog, int id)
{
    if (dialog == nullptr)
        return nullptr;
    const QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QVariant value = widget->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == id && qobject_cast<QMenuBar*>(widget) == nullptr) {
            return widget;
        }
    }
    return nullptr;
}

int ControlId(const QWidget* control)
{
    const QVariant value = control != nullptr ? control->property(kControlIdProperty) : QVariant();
    return value.isValid() ? value.toInt() : -1;
}

QMenuBar* FindMenuBar(const QWidget* dialog)
{
    return dialog != nullptr
               ? dialog->findChild<QMenuBar*>(QStringLiteral("menuBar"), Qt::FindDirectChildrenOnly)
               : nullptr;
}

QAction* FindMenuAction(const QWidget* dialog, int commandId)
{
    QMenuBar* bar = FindMenuBar(dialog);
    if (bar == nullptr)
        return nullptr;
    for (QAction* action : bar->findChildren<QAction*>()) {
        const QVariant value = action->property(kControlIdProperty);
        if (value.isValid() && value.toInt() == commandId)
            return action;
    }
    return nullptr;
}

int MenuBarHeight(const QWidget* dialog)
{
    const QVariant value = dialog != nullptr ? dialog->property(kMenuHeightProperty) : QVariant();
    return value.isValid() ? value.toInt() : 0;
}

}  // namespace razzlewick
