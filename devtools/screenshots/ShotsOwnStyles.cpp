#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "devtools/screenshots/Shots.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <string>

namespace razzlewick {

namespace {

// Crew names enough for eleven tabs after the four, in no order the tabs would keep.
constexpr const char* kCrew[] = {"Pirate",        "Ninja",   "Buccaneer", "Corsair",
                                 "Freebooter",    "Admiral", "Deckhand",  "Helmsman",
                                 "Quartermaster", "Gunner",  "Cabin Boy"};

}  // namespace

void AddPirateStyle(InsultGenerator& engine, const std::string& key)
{
    InsultStyle& style = engine.AddStyle(key);
    style.SetTemplateText("Arr, ye %0 %1");
    for (const char* word : {"scurvy", "bilge-drinking", "barnacle-brained"})
        style.AddList(0).AddUnique(word);
    for (const char* word : {"landlubber", "powder monkey", "bilge rat", "swab"})
        style.AddList(1).AddUnique(word);
    style.ComputeCombinations();
}

QPixmap OwnStylesShot(int extraStyles, int tab, int level)
{
    const QTemporaryDir folders;
    const QDir root(folders.path());
    root.mkpath(QStringLiteral("home/razzlewick"));
    const QByteArray previousHome = qgetenv("XDG_DATA_HOME");
    const QByteArray previousDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", root.filePath(QStringLiteral("usr/share")).toLocal8Bit());

    InsultGenerator mine;
    for (int i = 0; i < extraStyles && i < static_cast<int>(std::size(kCrew)); ++i)
        AddPirateStyle(mine, kCrew[i]);
    const std::string file =
        root.filePath(QStringLiteral("home/razzlewick/crew.dat")).toStdString();
    mine.OpenDataFile(Archive::Mode::Storing, &file);

    QPixmap picture = MainWindowShot(tab, level, 3);
    qputenv("XDG_DATA_HOME", previousHome);
    qputenv("XDG_DATA_DIRS", previousDirs);
    return picture;
}

void AddOwnStylesShots(ShotList& shots)
{
    // A fifth tab with our picture, and a strip of twelve scrolled to its last tab.
    shots.Add(QStringLiteral("main-own-style.png"), [] { return OwnStylesShot(1, 4, 0); });
    // Six and eight: the window grows so that every tab shows whole.
    shots.Add(QStringLiteral("main-six-styles.png"), [] { return OwnStylesShot(2, 5, 0); });
    shots.Add(QStringLiteral("main-eight-styles.png"), [] { return OwnStylesShot(4, 7, 0); });
    shots.Add(QStringLiteral("main-twelve-styles.png"), [] { return OwnStylesShot(8, 11, 0); });
    shots.Add(QStringLiteral("main-twelve-styles-first.png"),
              [] { return OwnStylesShot(8, 1, 0); });
}

}  // namespace razzlewick
