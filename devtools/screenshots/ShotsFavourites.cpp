#include "app/FavouritesDialog.h"
#include "devtools/screenshots/Shots.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace razzlewick {

QPixmap FavouritesShot()
{
    const QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("razzlewick"));
    const QString path = folder.filePath(QStringLiteral("razzlewick/favourites.txt"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(
            "2026-11-02 [Arabian] May the fleas of a thousand camels infest your armpits!\n"
            "2026-11-20 [Shakespearean] Thou art a whoreson, beetle-headed flap-ear!\n"
            "2026-11-20 [Modern] You have the charisma of a damp dishcloth.\n"
            "2026-12-01 [Mediterranean] May your olives never ripen.\n"
            "a line typed by hand\n"
            "2026-12-08 [Shakespearean] Thou cream-faced loon, thou caf\xc3\xa9 "
            "fool\\tindeed!\n");
    }
    file.close();
    return WithOwnSettings(1, 1, [&path] {
        FavouritesDialog dialog(path.toStdString(), nullptr);
        return GrabShown(dialog);
    });
}

void AddFavouritesShots(ShotList& shots)
{
    shots.Add(QStringLiteral("favourites.png"), [] { return FavouritesShot(); });
}

}  // namespace razzlewick
