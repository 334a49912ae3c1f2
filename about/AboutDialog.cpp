#include "about/AboutDialog.h"

#include "about/AboutMakerPage.h"
#include "about/AboutTextPage.h"
#include "about/CHyperLink.h"
#include "about/LegalText.h"
#include "about/ProductInfo.h"
#include "platform/LaunchCodes.h"
#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DisplayText.h"
#include "ui/DrawnButton.h"
#include "ui/TabControl.h"
#include "ui/TemplatePicture.h"

#include <QLabel>
#include <QStyle>
#include <QTabBar>

#include <algorithm>

namespace razzlewick {

AboutDialog::AboutDialog(const ProductInfo& info, QWidget* parent)
    : TemplateDialog(IDD_ABOUT, parent), info_(info), tabs_(RequireControl<QTabBar>(IDC_ABOUT_TABS))
{
}

AboutDialog::~AboutDialog()
{
    for (TemplateDialog*& page : pages_) {
        delete page;
        page = nullptr;
    }
}

TemplateDialog* AboutDialog::Page(int index) const
{
    return index >= 0 && index < static_cast<int>(pages_.size())
               ? pages_[static_cast<size_t>(index)]
               : nullptr;
}

void AboutDialog::BeforeFirstShow()
{
    TemplateDialog::BeforeFirstShow();

    const struct {
        int id;
        void (AboutDialog::*handler)();
    } buttons[] = {{IDOK, &QDialog::accept},
                   {IDC_READ_DOCS, &AboutDialog::OnReadDocumentation},
                   {IDC_MAIL_US, &AboutDialog::OnMailUs},
                   {IDC_WEB_PAGE, &AboutDialog::OnWebPage}};
    for (const auto& [id, handler] : buttons) {
        auto* button = RequireControl<DrawnButton>(id);
        button->SetOutline(OutlineKind::Capsule);
        connect(button, &QPushButton::clicked, this, handler);
    }

    const QString versionLine = EngineTextToDisplay(info_.name + " " + info_.version);
    setWindowTitle(QStringLiteral("About %1").arg(versionLine));
    RequireControl<QLabel>(IDC_ABOUT_VERSION)->setText(versionLine);
    if (!info_.icon.isNull()) {
        RequireControl<TemplatePicture>(IDC_ABOUT_ICON)->ShowIcon(info_.icon, QSize(32, 32));
    }
    RequireControl<TemplatePicture>(IDC_ABOUT_ICON)
        ->setAccessibleName(EngineTextToDisplay(info_.name));
    tabs_->setAccessibleName(QStringLiteral("Pages"));

    tabs_->setCurrentIndex(0);  // an empty strip selects its first tab when it arrives
    tabs_->addTab(QStringLiteral("Tallowfern"));
    tabs_->addTab(QStringLiteral("Overview"));
    tabs_->addTab(QStringLiteral("Distribution and Legal"));

    pages_[0] = new AboutMakerPage(this);
    auto* overview = new AboutTextPage(this);
    overview->SetText(info_.description);
    pages_[1] = overview;
    auto* legal = new AboutTextPage(this);
    legal->SetText(DistributionAndLegalText(info_));
    pages_[2] = legal;
    for (TemplateDialog* page : pages_) {
        page->PrepareFirstShow();
    }
    // A page, and the text on it, are named after its tab, for screen readers.
    for (int tab = 0; tab < 3; ++tab)
        pages_[static_cast<size_t>(tab)]->setAccessibleName(tabs_->tabText(tab));
    for (int tab = 1; tab < 3; ++tab) {
        pages_[static_cast<size_t>(tab)]
            ->RequireControl<QWidget>(IDC_PAGE_TEXT)
            ->setAccessibleName(tabs_->tabText(tab));
    }

    PlacePages();
    ShowPage();
    connect(tabs_, &QTabBar::currentChanged, this, &AboutDialog::ShowPage);
}

void AboutDialog::PlacePages()
{
    // A page sits inside the strip, off its corner by the window frame and caption, so it
    // clears the tab headers. Before the window manager has framed the dialog the frame is
    // unknown (or there is none), so the headers' own height is the least offset used.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const int frameLeft = std::max(client.left() - frame.left(), 2);
    const int headerHeight = tabs_->count() > 0 ? tabs_->tabRect(0).bottom() + 3 : 0;
    const int frameTop = std::max(client.top() - frame.top(), headerHeight);
    const QPoint origin = tabs_->geometry().topLeft() + QPoint(frameLeft, frameTop);
    int pageBottom = origin.y();
    for (TemplateDialog* page : pages_) {
        page->move(origin);
        page->raise();
        pageBottom = std::max(pageBottom, page->geometry().bottom());
    }
    MakeRoomBelowPages(pageBottom);
}

void AboutDialog::MakeRoomBelowPages(int pageBottom)
{
    // Styles with tall tab headers leave less of the strip for the pages than the layout
    // counts on; rather than let the last line sit on the strip's frame, the strip and the
    // window grow by what is missing and the buttons move down with them.
    auto* strip = qobject_cast<TabControl*>(tabs_);
    if (strip == nullptr)
        return;
    const int frame = strip->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, strip);
    const int paneBottom = strip->geometry().top() + strip->PaneRect().bottom() - frame;
    const int missing = pageBottom - paneBottom;
    if (missing <= 0)
        return;
    strip->resize(strip->width(), strip->height() + missing);
    for (int id : {IDOK, IDC_READ_DOCS, IDC_MAIL_US, IDC_WEB_PAGE}) {
        QWidget* button = RequireControl<DrawnButton>(id);
        button->move(button->x(), button->y() + missing);
    }
    setFixedSize(width(), height() + missing);
}

void AboutDialog::ShowPage()
{
    const int selected = tabs_->currentIndex();
    for (size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i] != nullptr) {
            pages_[i]->setVisible(static_cast<int>(i) == selected);
        }
    }
}

void AboutDialog::OnWebPage()
{
    info_.OpenWebPage();
}

void AboutDialog::OnMailUs()
{
    info_.SendFeedback();
}

void AboutDialog::OnReadDocumentation()
{
    int launchCode = 0;
    std::string path;
    if (info_.OpenDocumentation(&launchCode, &path)) {
        return;
    }
    // The guide is there but could not be opened: say what stood in the way.
    if (launchCode != platform::kLaunchFileNotFound) {
        CHyperLink::ShowOpenError(launchCode, path);
        return;
    }
    const QString name = EngineTextToDisplay(info_.name);
    platform::ShowMessageBox(
        this,
        QStringLiteral("Unable to locate %1.html.  It is most likely that you have an incomplete\n"
                       "copy of %1.  Please complain to whoever sent it to you,\n"
                       "and visit our web site to get the complete version of the software.")
            .arg(name),
        platform::MessageIcon::Information);
}

}  // namespace razzlewick
