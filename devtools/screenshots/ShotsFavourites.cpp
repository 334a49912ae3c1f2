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
            "2026-11-02 [Arabian] May the sorcerer, legend of the agate shore, show you your "
            "future, and offer you a different one.\n"
            "2026-11-20 [Shakespearean] Thou didst publicly, thou lumbering dotterel, fall off a "
            "horse that was lying down.\n"
            "2026-11-20 [Modern] You give a museum one star for \"too much history\". Shove off, "
            "you utter plank.\n"
            "2026-12-01 [Mediterranean] Honestly, sorry, my foot, you prize chump: you went to a "
            "fancy-dress party as me, and won.\n"
            "a line typed by hand\n"
            "2026-12-08 [Shakespearean] Thou art, beneath the bluster, thou caf\xc3\xa9 "
            "harlequin,\\tthe understudy to a dull man.\n");
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
