#include "devtools/screenshots/Shots.h"
#include "resources/templates/DialogTemplate.h"
#include "resources/templates/ResourceIds.h"
#include "ui/ArrowButton.h"
#include "ui/DialogBuilder.h"
#include "ui/DrawnButton.h"
#include "ui/TemplateDialog.h"

#include <QPainter>

namespace razzlewick {

namespace {

const char* const kKindNames[] = {"rectangle", "diamond", "circle", "capsule"};

// A button's three images side by side with the disabled one, each on a white ground so
// the outline shows.
QPixmap ButtonSheet(OutlineKind kind, QSize size)
{
    DrawnButton button(QStringLiteral("&Again please!"), nullptr);
    button.resize(size);
    button.SetOutline(kind);
    button.EnsureRendered();
    const QPixmap normal = button.NormalImage();
    const QPixmap focus = button.FocusImage();
    const QPixmap pressed = button.PressedImage();
    button.setEnabled(false);
    button.EnsureRendered();
    const QPixmap disabled = button.NormalImage();

    QPixmap sheet((size.width() + 8) * 4, size.height() + 8);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int x = 4;
    for (const QPixmap* image : {&normal, &focus, &pressed, &disabled}) {
        painter.setClipRegion(button.mask().translated(x, 4));
        painter.drawPixmap(x, 4, *image);
        x += size.width() + 8;
    }
    return sheet;
}

QPixmap ArrowSheet()
{
    QPixmap sheet(4 * 40, 2 * 40);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    const ArrowDirection directions[] = {ArrowDirection::Up, ArrowDirection::Down,
                                         ArrowDirection::Left, ArrowDirection::Right};
    for (int column = 0; column < 4; ++column) {
        for (int pressed = 0; pressed < 2; ++pressed) {
            ArrowButton arrow;
            arrow.resize(32, 32);
            arrow.SetDirection(directions[column]);
            arrow.setDown(pressed == 1);
            const QPoint at(column * 40 + 4, pressed * 40 + 4);
            painter.setClipRegion(arrow.mask().translated(at));
            painter.drawPixmap(at, arrow.grab());
        }
    }
    return sheet;
}

}  // namespace

void AddFrameworkShots(ShotList& shots)
{
    for (const DialogTemplate& dialogTemplate : AllDialogTemplates()) {
        const int id = dialogTemplate.id;
        shots.Add(QStringLiteral("template-%1.png").arg(id), [id] {
            TemplateDialog dialog(id, nullptr);
            dialog.setWindowFlags(Qt::Dialog);
            for (DrawnButton* button : dialog.findChildren<DrawnButton*>()) {
                button->SetOutline(OutlineKind::Capsule);
            }
            if (auto* undo = FindControl<ArrowButton>(&dialog, IDC_UNDO))
                undo->SetDirection(ArrowDirection::Left);
            return GrabShown(dialog);
        });
    }
    for (int kind = 0; kind < 4; ++kind) {
        shots.Add(QStringLiteral("button-%1.png").arg(QLatin1String(kKindNames[kind])),
                  [kind] { return ButtonSheet(static_cast<OutlineKind>(kind), QSize(100, 26)); });
    }
    shots.Add(QStringLiteral("button-circle-large.png"),
              [] { return ButtonSheet(OutlineKind::Circle, QSize(60, 60)); });
    shots.Add(QStringLiteral("arrows.png"), [] { return ArrowSheet(); });
}

}  // namespace razzlewick
