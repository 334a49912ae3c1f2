#include "app/DataFilesDialog.h"
#include "data/InsultGenerator.h"
#include "devtools/screenshots/Shots.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace razzlewick {

namespace {

// The user's own folder holds a style of its own and a broken file; one system folder is
// missing and another is a link back to the user's folder.
QPixmap DataFilesShot(int level)
{
    const QTemporaryDir folders;
    const QDir root(folders.path());
    root.mkpath(QStringLiteral("home/razzlewick"));
    root.mkpath(QStringLiteral("usr/share"));
    QFile::link(root.filePath(QStringLiteral("home/razzlewick")),
                root.filePath(QStringLiteral("usr/share/razzlewick")));
    const QByteArray previousHome = qgetenv("XDG_DATA_HOME");
    const QByteArray previousDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", (root.filePath(QStringLiteral("usr/local/share")) + QLatin1Char(':') +
                              root.filePath(QStringLiteral("usr/share")))
                                 .toLocal8Bit());

    InsultGenerator pirate;
    AddPirateStyle(pirate, "Pirate");
    const std::string pirateFile =
        root.filePath(QStringLiteral("home/razzlewick/pirate.dat")).toStdString();
    pirate.OpenDataFile(Archive::Mode::Storing, &pirateFile);
    QFile broken(root.filePath(QStringLiteral("home/razzlewick/half-written.dat")));
    if (broken.open(QIODevice::WriteOnly))
        broken.write("\xCD\xCC\x4C\x40\x01", 5);
    broken.close();

    QPixmap picture = WithOwnSettings(level, 1, [level] {
        InsultGenerator engine;
        engine.LoadDataFiles(nullptr, platform::ProgramFolder());
        DataFilesDialog dialog(engine, level, nullptr, [] {});
        return GrabShown(dialog);
    });
    qputenv("XDG_DATA_HOME", previousHome);
    qputenv("XDG_DATA_DIRS", previousDirs);
    return picture;
}

}  // namespace

void AddDataFilesShots(ShotList& shots)
{
    shots.Add(QStringLiteral("data-files.png"), [] { return DataFilesShot(0); });
}

}  // namespace razzlewick
