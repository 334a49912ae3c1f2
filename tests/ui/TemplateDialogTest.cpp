#include "ui/TemplateDialog.h"

#include "resources/templates/ResourceIds.h"
#include "ui/DrawnButton.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace razzlewick;

namespace {

// The message the control failure handler was given, or "" when it was not called.
template <class T>
std::string RequireFailure(const TemplateDialog& dialog, int id)
{
    const ControlFailureHandler previous = SetControlFailureHandler(
        [](const std::string& message) { throw std::runtime_error(message); });
    std::string message;
    try {
        dialog.RequireControl<T>(id);
    } catch (const std::runtime_error& failure) {
        message = failure.what();
    }
    SetControlFailureHandler(previous);
    return message;
}

TEST(RequireControl, NamesTheTemplateAndIdOfAMissingOrMistypedControl)
{
    const TemplateDialog about(IDD_ABOUT, nullptr);
    EXPECT_EQ(RequireFailure<DrawnButton>(about, IDOK), "");
    EXPECT_EQ(RequireFailure<QPlainTextEdit>(about, IDC_INSULT_TEXT),
              "dialog template 2203 has no control 1020 (wanted a QPlainTextEdit)");
    EXPECT_EQ(
        RequireFailure<QPlainTextEdit>(about, IDOK),
        "control 1 of dialog template 2203 is a razzlewick::DrawnButton, not a QPlainTextEdit");
}

TEST(RequireControlDeathTest, StopsTheProgramWithoutAHandler)
{
    const TemplateDialog about(IDD_ABOUT, nullptr);
    EXPECT_DEATH(about.RequireControl<QLabel>(IDC_INSULT_TEXT),
                 "dialog template 2203 has no control 1020 \\(wanted a QLabel\\)");
}

}  // namespace
