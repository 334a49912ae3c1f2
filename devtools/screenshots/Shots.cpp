// Writes a PNG of every registered picture to the folder given as the only argument.

#include "devtools/screenshots/Shots.h"

#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"
#include "ui/DialogBuilder.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace razzlewick {

QPixmap GrabShown(QWidget& widget)
{
    widget.show();
    QApplication::processEvents();
    return widget.grab();
}

QPixmap WithOwnSettings(int level, int count, const std::function<QPixmap()>& work)
{
    QTemporaryDir settingsFolder;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    const ProfileFile& settings = SettingsFile();
    settings.WriteInteger(SettingsKeys::kSection, SettingsKeys::kLevel, level);
    settings.WriteInteger(SettingsKeys::kSection, SettingsKeys::kInsultCount, count);
    QPixmap picture = work();
    qputenv("XDG_CONFIG_HOME", previous);
    return picture;
}

}  // namespace razzlewick

int main(int argc, char** argv)
{
    using namespace razzlewick;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setFont(DialogFont());
    const bool scaled = argc == 3 && std::strcmp(argv[1], "--scaled") == 0;
    if (argc != 2 && !scaled) {
        std::fprintf(stderr, "usage: %s [--scaled] OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    ShotList shots;
    if (scaled) {
        AddScaledShots(shots);
    } else {
        AddFrameworkShots(shots);
        AddAppShots(shots);
        AddAboutShots(shots);
        AddOptionsShots(shots);
        AddDarkShots(shots);
        AddDataFilesShots(shots);
        AddFavouritesShots(shots);
        AddOwnStylesShots(shots);
    }

    int failures = 0;
    for (const Shot& shot : shots.Shots()) {
        const QString path = folder.filePath(shot.fileName);
        if (!shot.take().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    std::printf("%d pictures in %s\n", static_cast<int>(shots.Shots().size()) - failures,
                qPrintable(folder.absolutePath()));
    return failures == 0 ? 0 : 1;
}
