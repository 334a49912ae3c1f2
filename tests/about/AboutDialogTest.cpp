#include "about/AboutDialog.h"

#include "about/AboutMakerPage.h"
#include "about/AboutTextPage.h"
#include "about/CHyperLink.h"
#include "about/LegalText.h"
#include "about/ProductInfo.h"
#include "about/ProductText.h"
#include "platform/ProgramFolder.h"
#include "resources/templates/ResourceIds.h"
#include "tests/support/FakePrograms.h"
#include "tests/support/GuiTesting.h"
#include "tests/support/MessageBoxRecorder.h"
#include "ui/DrawnButton.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <filesystem>

using namespace razzlewick;

namespace {

using testing_support::FakePrograms;

ProductInfo Razzlewick()
{
    ProductInfo info;
    FillProductInfo(info, QIcon(QStringLiteral(":/images/%1.svg").arg(IDI_PROGRAM)));
    return info;
}

TEST(ProductInfo, NewRecordPutsTheDisclaimerAfterTheTerms)
{
    EXPECT_EQ(ProductInfo().disclaimerPlacement, 1);
    const ProductInfo info = Razzlewick();
    EXPECT_EQ(info.name, "Razzlewick");
    EXPECT_EQ(info.version, "v3.2");
    EXPECT_EQ(info.disclaimerPlacement, 0);
    EXPECT_FALSE(info.icon.isNull());
    EXPECT_EQ(info.ownerWindow, nullptr);
}

TEST(ProductText, TermsKeepTheirParagraphsAndSentenceEnds)
{
    const std::string terms = kProductTerms;
    size_t paragraphs = 1;
    for (auto at = terms.find("\r\n\r\n"); at != std::string::npos;
         at = terms.find("\r\n\r\n", at + 4)) {
        ++paragraphs;
    }
    EXPECT_EQ(paragraphs, 5u);
    EXPECT_NE(terms.find(".\xA0 "), std::string::npos);
    EXPECT_NE(terms.find(
                  "You should be aware of the laws of slander and libel before you send insults to "
                  "people who may be lacking a sense of humour."),
              std::string::npos);
    EXPECT_NE(std::string(kStandardDisclaimer).find("Software.  All rights reserved."),
              std::string::npos);
}

struct PlacementRow {
    const char* name;
    int placement;
    const char* terms;
    std::string expected;
};

class DisclaimerPlacement : public ::testing::TestWithParam<PlacementRow> {};

TEST_P(DisclaimerPlacement, BuildsTheLegalPage)
{
    ProductInfo info;
    info.disclaimerPlacement = GetParam().placement;
    info.termsText = GetParam().terms;
    EXPECT_EQ(DistributionAndLegalText(info), GetParam().expected);
}

const std::string kDisclaimer = kStandardDisclaimer;
const std::string kBreak = "\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Placements, DisclaimerPlacement,
    ::testing::Values(PlacementRow{"OnlyWithoutTermsHasTerms", 0, "T", "T" + kBreak},
                      PlacementRow{"OnlyWithoutTermsNoTerms", 0, "", kDisclaimer},
                      PlacementRow{"AfterTerms", 1, "T", "T" + kBreak + kDisclaimer},
                      PlacementRow{"AfterNoTerms", 1, "", kDisclaimer},
                      PlacementRow{"BeforeTerms", 2, "T", kDisclaimer + kBreak + "T" + kBreak},
                      PlacementRow{"BeforeNoTerms", 2, "", kDisclaimer + kBreak}),
    [](const auto& info) { return std::string(info.param.name); });

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakes.Add("xdg-open");
        info = Razzlewick();
    }
    std::unique_ptr<AboutDialog> Open()
    {
        auto dialog = std::make_unique<AboutDialog>(info, nullptr);
        dialog->show();
        return dialog;
    }
    static int VisiblePages(const AboutDialog& dialog)
    {
        int visible = 0;
        for (int i = 0; i < 3; ++i) {
            visible += dialog.Page(i)->isVisible() ? 1 : 0;
        }
        return visible;
    }

    FakePrograms fakes;
    MessageBoxRecorder messages;
    ProductInfo info;
};

TEST_F(AboutBox, ShowsNameVersionIconAndTheThreeTabs)
{
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Razzlewick v3.2"));
    EXPECT_EQ(guitest::Control<QLabel>(dialog.get(), IDC_ABOUT_VERSION)->text(),
              QStringLiteral("Razzlewick v3.2"));
    EXPECT_FALSE(guitest::Control<QLabel>(dialog.get(), IDC_ABOUT_ICON)->pixmap().isNull());
    auto* tabs = guitest::Control<QTabBar>(dialog.get(), IDC_ABOUT_TABS);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Tallowfern"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Overview"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Distribution and Legal"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    for (int id : {IDOK, IDC_READ_DOCS, IDC_MAIL_US, IDC_WEB_PAGE}) {
        EXPECT_FALSE(guitest::Control<DrawnButton>(dialog.get(), id)->mask().isEmpty()) << id;
    }

    auto* maker = qobject_cast<AboutMakerPage*>(dialog->Page(0));
    ASSERT_NE(maker, nullptr);
    EXPECT_EQ(guitest::Control<QLabel>(maker, IDC_MAKER_CAPTION)->text(),
              QStringLiteral("Tallowfern Software"));
    EXPECT_EQ(maker->Link()->Url(), "http://www.tallowfern.example/Software.html");
    EXPECT_EQ(qobject_cast<AboutTextPage*>(dialog->Page(1))->Text(), kProductDescription);
    EXPECT_EQ(qobject_cast<AboutTextPage*>(dialog->Page(2))->Text(),
              std::string(kProductTerms) + "\r\n\r\n");
    const QString shown =
        guitest::Control<QPlainTextEdit>(dialog->Page(2), IDC_PAGE_TEXT)->document()->toRawText();
    EXPECT_TRUE(
        shown.startsWith(QStringLiteral("This software is provided \"as is\".\u00A0 Tallowfern")));
    EXPECT_FALSE(shown.contains(QLatin1Char('\r')));
}

TEST_F(AboutBox, RecordWithoutIconLeavesTheIconEmpty)
{
    info.icon = QIcon();
    auto dialog = Open();
    EXPECT_TRUE(guitest::Control<QLabel>(dialog.get(), IDC_ABOUT_ICON)->pixmap().isNull());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Razzlewick v3.2"));
}

TEST_F(AboutBox, ExactlyTheSelectedPageIsVisibleAfterAnyTabChanges)
{
    auto dialog = Open();
    auto* tabs = guitest::Control<QTabBar>(dialog.get(), IDC_ABOUT_TABS);
    for (int index : {0, 2, 1, 1, 0, 2, 2, 1}) {
        tabs->setCurrentIndex(index);
        EXPECT_EQ(VisiblePages(*dialog), 1);
        EXPECT_TRUE(dialog->Page(index)->isVisible()) << index;
    }
}

TEST_F(AboutBox, PagesSitInsideTheStripBelowTheTabHeaders)
{
    auto dialog = Open();
    auto* tabs = guitest::Control<QTabBar>(dialog.get(), IDC_ABOUT_TABS);
    for (int i = 0; i < 3; ++i) {
        const QRect page = dialog->Page(i)->geometry();
        EXPECT_GT(page.top(), tabs->geometry().top() + tabs->tabRect(0).bottom()) << i;
        EXPECT_GT(page.left(), tabs->geometry().left()) << i;
        EXPECT_TRUE(tabs->geometry().contains(page)) << i;
    }
}

TEST_F(AboutBox, MissingDocumentationShowsTheMessageOncePerPress)
{
    info.name = "NoSuchProduct";
    auto dialog = Open();
    guitest::ClickControl(dialog.get(), IDC_READ_DOCS);
    guitest::ClickControl(dialog.get(), IDC_READ_DOCS);
    ASSERT_EQ(messages.Count(), 2);
    EXPECT_EQ(messages.Messages()[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(
        messages.LastText(),
        QStringLiteral(
            "Unable to locate NoSuchProduct.html.  It is most likely that you have an incomplete\n"
            "copy of NoSuchProduct.  Please complain to whoever sent it to you,\n"
            "and visit our web site to get the complete version of the software."));
    EXPECT_TRUE(dialog->isVisible());
}

// The guide beside the program is there; only the tool to open it is missing, and the
// message says so instead of calling the copy incomplete.
TEST_F(AboutBox, GuidePresentButNotOpenedNamesWhatIsMissing)
{
    ASSERT_TRUE(std::filesystem::exists(platform::ProgramFolder() + "Razzlewick.html"));
    fakes.SetExit("xdg-open", "3");
    auto dialog = Open();
    guitest::ClickControl(dialog.get(), IDC_READ_DOCS);
    ASSERT_EQ(messages.Count(), 1);
    EXPECT_EQ(messages.LastText().toStdString(),
              "Can't open " + platform::ProgramFolder() +
                  "Razzlewick.html:\n\nno program on this computer is set up to open it. "
                  "Install a web browser, or open it yourself.");
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 1u) << "only the guide that is there was tried";
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(AboutBox, WebPageFailureIsSilentAndTheBoxStaysOpen)
{
    fakes.SetExit("xdg-open", "3");
    auto dialog = Open();
    guitest::ClickControl(dialog.get(), IDC_WEB_PAGE);
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(fakes.Calls("xdg-open").size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
    guitest::ClickControl(dialog.get(), IDOK);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

// The pages are child dialogs; a key they do not use belongs to the box, so Escape closes
// it and Return presses its default button wherever the focus is, and no page ever hides.
TEST_F(AboutBox, EscapeAndReturnInsideAPageActOnTheBox)
{
    struct Focus {
        const char* name;
        int page;
        QWidget* (*target)(TemplateDialog* page);
    };
    const Focus places[] = {
        {"link", 0,
         [](TemplateDialog* page) -> QWidget* {
             return qobject_cast<AboutMakerPage*>(page)->Link();
         }},
        {"overviewText", 1,
         [](TemplateDialog* page) -> QWidget* { return FindControlWidget(page, IDC_PAGE_TEXT); }},
        {"legalText", 2,
         [](TemplateDialog* page) -> QWidget* { return FindControlWidget(page, IDC_PAGE_TEXT); }},
    };
    for (const Focus& place : places) {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            SCOPED_TRACE(testing::Message() << place.name << " key " << key);
            auto dialog = Open();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
            guitest::Control<QTabBar>(dialog.get(), IDC_ABOUT_TABS)->setCurrentIndex(place.page);
            QWidget* target = place.target(dialog->Page(place.page));
            target->setFocus(Qt::MouseFocusReason);
            ASSERT_TRUE(target->hasFocus());
            QTest::keyClick(target, key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_TRUE(dialog->Page(place.page)->isVisibleTo(dialog.get()));
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(),
                      key == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted);
        }
    }
}

TEST_F(AboutBox, ReopenedBoxShowsTheLinkUnvisitedAgain)
{
    {
        auto dialog = Open();
        auto* link = qobject_cast<AboutMakerPage*>(dialog->Page(0))->Link();
        link->ActivateLink();
        EXPECT_TRUE(link->IsVisited());
    }
    auto dialog = Open();
    auto* link = qobject_cast<AboutMakerPage*>(dialog->Page(0))->Link();
    EXPECT_FALSE(link->IsVisited());
    EXPECT_EQ(link->TextColour(), CHyperLink::kLinkColour);
}

}  // namespace
