#include "devtools/screenshots/Shots.h"

#include <QApplication>
#include <QPalette>

namespace razzlewick {

namespace {

// The palette a GTK desktop in its dark Adwaita theme hands the program.
QPalette DarkDesktopPalette()
{
    QPalette palette(QColor(0x32, 0x32, 0x32), QColor(0x32, 0x32, 0x32));
    palette.setColor(QPalette::Light, QColor(0x4b, 0x4b, 0x4b));
    palette.setColor(QPalette::Midlight, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Dark, QColor(0x21, 0x21, 0x21));
    palette.setColor(QPalette::Mid, QColor(0x26, 0x26, 0x26));
    palette.setColor(QPalette::Shadow, QColor(0x19, 0x19, 0x19));
    palette.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        palette.setColor(role, QColor(0xf0, 0xf0, 0xf0));
    }
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::Link, QColor(0x30, 0x8c, 0xc6));
    palette.setColor(QPalette::LinkVisited, QColor(0xff, 0x00, 0xff));
    return palette;
}

QPixmap InDarkPalette(const std::function<QPixmap()>& take)
{
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(DarkDesktopPalette());
    QPixmap picture = take();
    QApplication::setPalette(previous);
    return picture;
}

}  // namespace

void AddDarkShots(ShotList& shots)
{
    shots.Add(QStringLiteral("main-window-dark.png"),
              [] { return InDarkPalette([] { return MainWindowShot(1, 0, 3); }); });
    shots.Add(QStringLiteral("options-dark.png"),
              [] { return InDarkPalette([] { return OptionsShot(1, 12); }); });
    shots.Add(QStringLiteral("about-maker-dark.png"),
              [] { return InDarkPalette([] { return AboutShot(0); }); });
    shots.Add(QStringLiteral("main-twelve-styles-dark.png"),
              [] { return InDarkPalette([] { return OwnStylesShot(8, 11, 0); }); });
    shots.Add(QStringLiteral("favourites-dark.png"),
              [] { return InDarkPalette([] { return FavouritesShot(); }); });
}

void AddScaledShots(ShotList& shots)
{
    shots.Add(QStringLiteral("main-window-200.png"), [] { return MainWindowShot(1, 0, 3); });
    shots.Add(QStringLiteral("options-200.png"), [] { return OptionsShot(1, 12); });
    shots.Add(QStringLiteral("about-maker-200.png"), [] { return AboutShot(0); });
    shots.Add(QStringLiteral("main-window-dark-200.png"),
              [] { return InDarkPalette([] { return MainWindowShot(1, 0, 3); }); });
    shots.Add(QStringLiteral("main-twelve-styles-200.png"), [] { return OwnStylesShot(8, 11, 0); });
    shots.Add(QStringLiteral("main-six-styles-200.png"), [] { return OwnStylesShot(2, 5, 0); });
    shots.Add(QStringLiteral("favourites-200.png"), [] { return FavouritesShot(); });
}

}  // namespace razzlewick
