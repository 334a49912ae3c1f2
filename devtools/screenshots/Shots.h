#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// The screenshot program's registry: each area adds a ShotsXxx.cpp with a function that
// registers its pictures, and lists that function once in Shots.cpp.
struct Shot final {
    QString fileName;               // without folder, e.g. "dialog-102.png"
    std::function<QPixmap()> take;  // renders the picture offscreen
};

class ShotList final {
public:
    void Add(QString fileName, std::function<QPixmap()> take)
    {
        shots_.push_back({std::move(fileName), std::move(take)});
    }
    const std::vector<Shot>& Shots() const { return shots_; }

private:
    std::vector<Shot> shots_;
};

// Shows a widget offscreen, lets it lay out and paint, and grabs it.
QPixmap GrabShown(QWidget& widget);

// Runs `work` with a settings folder of its own holding the given level and insult count,
// so the user's settings are neither read nor changed.
QPixmap WithOwnSettings(int level, int count, const std::function<QPixmap()>& work);

// The windows that the desktop pictures show again: the main window over the shipped
// data at a tab, the options dialog, the About box on a tab.
QPixmap MainWindowShot(int tab, int level, int count);
QPixmap OptionsShot(int level, int count);
QPixmap AboutShot(int tab);
// The main window with further styles of the user's own (up to eleven) after the four tabs.
QPixmap OwnStylesShot(int extraStyles, int tab, int level);
// Adds a small pirate style of the user's own under the key `key`, as the pictures show it.
void AddPirateStyle(InsultGenerator& engine, const std::string& key);

// Registration functions, one per area.
void AddFrameworkShots(ShotList& shots);
void AddAppShots(ShotList& shots);
void AddAboutShots(ShotList& shots);
void AddOptionsShots(ShotList& shots);
// The main window, options and About in a dark palette.
void AddDarkShots(ShotList& shots);
// The same windows again, for a run on a screen of twice the density (QT_SCALE_FACTOR=2).
void AddScaledShots(ShotList& shots);
void AddDataFilesShots(ShotList& shots);
// The Favourites window over a file of six lines, one of them damaged.
QPixmap FavouritesShot();
void AddFavouritesShots(ShotList& shots);
void AddOwnStylesShots(ShotList& shots);

}  // namespace razzlewick
