#include "about/AboutDialog.h"
#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "devtools/screenshots/Shots.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DialogBuilder.h"

#include <QTabBar>

namespace razzlewick {

// The About box of this program's own record on one of its three tabs.
QPixmap AboutShot(int tab)
{
    ProductInfo info;
    FillProductInfo(info, QIcon(QStringLiteral(":/images/%1.svg").arg(IDI_PROGRAM)));
    AboutDialog dialog(info, nullptr);
    dialog.PrepareFirstShow();
    if (auto* tabs = FindControl<QTabBar>(&dialog, IDC_ABOUT_TABS))
        tabs->setCurrentIndex(tab);
    return GrabShown(dialog);
}

void AddAboutShots(ShotList& shots)
{
    const char* const pages[] = {"maker", "overview", "legal"};
    for (int tab = 0; tab < 3; ++tab) {
        shots.Add(QStringLiteral("about-%1.png").arg(QLatin1String(pages[tab])),
                  [tab] { return AboutShot(tab); });
    }
}

}  // namespace razzlewick
