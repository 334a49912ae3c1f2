#include "about/AboutDialog.h"

#include "about/AboutMakerPage.h"
#include "about/AboutTextPage.h"
#include "about/CHyperLink.h"
#include "about/LegalText.h"
#include "about/ProductInfo.h"
#include "data/Windows1252.h"
#include "platform/LaunchCodes.h"
#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "ui/DialogBuilder.h"
#include "ui/DrawnButton.h"

#include <QLabel>
#include <QTabBar>

#include <algorithm>

namespace {

constexpr int kCapsuleOutline = 3;

QString FromWindows1252(const std::string& text)
{
    return QString::fromStdString(Windows1252ToUtf8(text));
}

}  // namespace

AboutDialog::AboutDialog(const ProductInfo& info, QWidget* parent)
    : TemplateDialog(IDD_ABOUT, parent), info_(info)
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

void AboutDialog::OnInitDialog()
{
    TemplateDialog::OnInitDialog();

    const std::array<int, 4> buttonIds{IDOK, IDC_READ_DOCS, IDC_MAIL_US, IDC_WEB_PAGE};
    for (size_t i = 0; i < buttonIds.size(); ++i) {
        buttons_[i] = FindControl<DrawnButton>(this, buttonIds[i]);
        if (buttons_[i] != nullptr) {
            buttons_[i]->SetOutline(kCapsuleOutline);
        }
    }
    connect(buttons_[0], &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons_[1], &QPushButton::clicked, this, &AboutDialog::OnReadDocumentation);
    connect(buttons_[2], &QPushButton::clicked, this, &AboutDialog::OnMailUs);
    connect(buttons_[3], &QPushButton::clicked, this, &AboutDialog::OnWebPage);

    const QString versionLine = FromWindows1252(info_.name + " " + info_.version);
    setWindowTitle(QStringLiteral("About %1").arg(versionLine));
    if (auto* label = FindControl<QLabel>(this, IDC_ABOUT_VERSION)) {
        label->setText(versionLine);
    }
    if (auto* iconLabel = FindControl<QLabel>(this, IDC_ABOUT_ICON);
        iconLabel != nullptr && !info_.icon.isNull()) {
        iconLabel->setPixmap(info_.icon.pixmap(32, 32));
    }

    tabs_ = FindControl<QTabBar>(this, IDC_ABOUT_TABS);
    if (tabs_ != nullptr) {
        tabs_->setCurrentIndex(0);  // an empty strip selects its first tab when it arrives
        tabs_->addTab(QStringLiteral("Tallowfern"));
        tabs_->addTab(QStringLiteral("Overview"));
        tabs_->addTab(QStringLiteral("Distribution and Legal"));
    }

    pages_[0] = new AboutMakerPage(this);
    auto* overview = new AboutTextPage(this);
    overview->SetText(info_.description);
    pages_[1] = overview;
    auto* legal = new AboutTextPage(this);
    legal->SetText(DistributionAndLegalText(info_));
    pages_[2] = legal;
    for (TemplateDialog* page : pages_) {
        page->EnsureInitialised();
    }

    PlacePages();
    ShowPage();
    if (tabs_ != nullptr) {
        connect(tabs_, &QTabBar::currentChanged, this, &AboutDialog::ShowPage);
    }
}

void AboutDialog::PlacePages()
{
    if (tabs_ == nullptr) {
        return;
    }
    // A page sits inside the strip, off its corner by the window frame and caption, so it
    // clears the tab headers. Before the window manager has framed the dialog the frame is
    // unknown (or there is none), so the headers' own height is the least offset used.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const int frameLeft = std::max(client.left() - frame.left(), 2);
    const int headerHeight = tabs_->count() > 0 ? tabs_->tabRect(0).bottom() + 3 : 0;
    const int frameTop = std::max(client.top() - frame.top(), headerHeight);
    const QPoint origin = tabs_->geometry().topLeft() + QPoint(frameLeft, frameTop);
    for (TemplateDialog* page : pages_) {
        page->move(origin);
        page->raise();
    }
}

void AboutDialog::ShowPage()
{
    const int selected = tabs_ != nullptr ? tabs_->currentIndex() : -1;
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
    if (info_.OpenDocumentation(&launchCode)) {
        return;
    }
    // The guide is there but could not be opened: say what stood in the way.
    if (launchCode != platform::LaunchFileNotFound) {
        CHyperLink::ShowOpenError(launchCode);
        return;
    }
    const QString name = FromWindows1252(info_.name);
    platform::ShowMessageBox(
        this,
        QStringLiteral("Unable to locate %1.html.  It is most likely that you have an incomplete\n"
                       "copy of %1.  Please complain to whoever sent it to you,\n"
                       "and visit our web site to get the complete version of the software.")
            .arg(name),
        platform::MessageIcon::Information);
}
