#include "resources/templates/DialogTemplate.h"
#include "resources/templates/ResourceIds.h"

#include <stdexcept>

namespace razzlewick {

namespace {

namespace CS = ControlStyle;
namespace DS = DialogStyle;
using K = ControlKind;

// The tables keep a control to a line or two, as a template reads best.
// clang-format off
DialogTemplate MainTemplate() {
    return {
        .id = IDD_MAIN,
        .caption = "Razzlewick",
        .width = 300,
        .height = 156,
        .fontPointSize = 8,
        .style = DS::Visible | DS::SystemMenu | DS::MinimizeBox | DS::MaximizeBox |
                 DS::ThickFrame | DS::AppWindow,
        .menuId = IDR_MAIN_MENU,
        .controls = {
            {.id = IDC_FRAME, .kind = K::GroupBox, .x = 3, .y = 0, .width = 294, .height = 137,
             .name = "frame"},
            {.id = IDC_STYLE_TABS, .kind = K::TabStrip, .x = 9, .y = 11, .width = 187, .height = 97,
             .style = CS::TabStop, .name = "styleTabs"},
            {.id = IDC_INSULT_TEXT, .kind = K::Edit, .x = 16, .y = 30, .width = 175, .height = 61,
             .style = CS::Multiline | CS::ReadOnly | CS::Border | CS::VScroll | CS::WordWrap |
                      CS::TabStop,
             .name = "insultText"},
            {.id = IDC_UNDO, .kind = K::PushButton, .x = 16, .y = 92, .width = 16, .height = 13,
             .style = CS::TabStop, .name = "undoButton"},
            {.id = IDC_COMBINATIONS, .kind = K::StaticText, .text = "nnnnnn combinations available",
             .x = 34, .y = 94, .width = 139, .height = 8, .style = CS::Center,
             .name = "combinationsLabel"},
            {.id = IDC_REDO, .kind = K::PushButton, .x = 175, .y = 92, .width = 16, .height = 13,
             .style = CS::TabStop, .name = "redoButton"},
            {.id = IDC_PICTURE, .kind = K::StaticBitmap, .x = 201, .y = 11, .width = 89,
             .height = 97, .style = CS::Center | CS::DialogFrame, .name = "stylePicture",
             .imageId = IDB_SHAKESPEAREAN},
            {.id = IDC_ABOUT, .kind = K::PushButton, .text = " A&bout", .x = 9, .y = 114,
             .width = 37, .height = 16, .style = CS::TabStop, .name = "aboutButton"},
            {.id = IDC_AGAIN, .kind = K::PushButton, .text = " &Again please!", .x = 107, .y = 114,
             .width = 57, .height = 16, .style = CS::DefaultButton | CS::TabStop,
             .name = "againButton"},
            {.id = IDC_COPY, .kind = K::PushButton, .text = " &Copy to clipboard", .x = 172,
             .y = 114, .width = 67, .height = 16, .style = CS::TabStop, .name = "copyButton"},
            {.id = IDCANCEL, .kind = K::PushButton, .text = " E&xit", .x = 254, .y = 114,
             .width = 36, .height = 16, .style = CS::TabStop, .name = "exitButton"},
        },
    };
}

DialogTemplate OptionsTemplate() {
    return {
        .id = IDD_OPTIONS,
        .caption = "Razzlewick options",
        .width = 163,
        .height = 125,
        .fontPointSize = 8,
        .style = DS::SystemMenu | DS::SetForeground | DS::AppWindow,
        .controls = {
            {.id = IDC_LEVEL, .kind = K::ComboDropDownList, .x = 8, .y = 18, .width = 147,
             .height = 52, .style = CS::VScroll | CS::TabStop, .name = "levelList",
             .items = {"Lets not get too offensive, Ok?", "I'm not easily offended - go for it!"}},
            {.id = IDC_STATIC, .kind = K::StaticText, .text = "Offensiveness level", .x = 8, .y = 8,
             .width = 62, .height = 8, .name = "levelCaption"},
            {.id = IDOK, .kind = K::PushButton, .text = "Ok", .x = 47, .y = 103, .width = 50,
             .height = 14, .style = CS::TabStop, .name = "okButton"},
            {.id = IDC_CAPITALISE, .kind = K::CheckBox, .text = "Capitalise initial word", .x = 74,
             .y = 54, .width = 81, .height = 10, .style = CS::TextLeft | CS::TabStop,
             .name = "capitaliseCheck"},
            {.id = IDC_ON_TOP, .kind = K::CheckBox, .text = "Always on top", .x = 95, .y = 40,
             .width = 60, .height = 10, .style = CS::TextLeft | CS::TabStop, .name = "onTopCheck"},
            {.id = IDC_TOOLTIPS, .kind = K::CheckBox, .text = "Enable ToolTips", .x = 88, .y = 68,
             .width = 67, .height = 10, .style = CS::TextLeft | CS::TabStop,
             .name = "toolTipsCheck"},
            {.id = IDC_STATIC, .kind = K::StaticText, .text = "Generate ", .x = 8, .y = 42,
             .width = 32, .height = 9, .style = CS::CenterVertical, .name = "generateCaption"},
            {.id = IDC_COUNT, .kind = K::Edit, .x = 8, .y = 53, .width = 40, .height = 14,
             .style = CS::Border | CS::TabStop | CS::Digits, .name = "countEdit"},
            {.id = IDC_COUNT_SPIN, .kind = K::UpDown, .x = 38, .y = 53, .width = 11, .height = 14,
             .style = CS::Buddy | CS::AlignRight, .name = "countSpin"},
            {.id = IDC_COUNT_LABEL, .kind = K::StaticText, .text = "insults each time", .x = 8,
             .y = 71, .width = 53, .height = 9, .style = CS::CenterVertical,
             .name = "countLabel"},
            {.id = IDC_AUTOCOPY, .kind = K::CheckBox, .text = "Enable AutoCopy", .x = 84, .y = 82,
             .width = 71, .height = 10, .style = CS::TextLeft | CS::TabStop,
             .name = "autoCopyCheck"},
            {.id = IDCANCEL, .kind = K::PushButton, .text = "Cancel", .x = 105, .y = 103,
             .width = 50, .height = 14, .style = CS::TabStop, .name = "cancelButton"},
        },
    };
}

DialogTemplate StartupProblemsTemplate() {
    return {
        .id = IDD_STARTUP_PROBLEMS,
        .caption = "Razzlewick",
        .width = 276,
        .height = 127,
        .fontPointSize = 8,
        .style = DS::SystemMenu | DS::MinimizeBox | DS::AppWindow,
        .controls = {
            {.id = IDC_STATIC, .kind = K::StaticText,
             .text = "Razzlewick encountered errors during start-up:", .x = 5, .y = 4,
             .width = 265, .height = 11, .name = "reportCaption"},
            {.id = IDC_REPORT, .kind = K::Edit, .x = 5, .y = 15, .width = 265, .height = 84,
             .style = CS::Multiline | CS::ReadOnly | CS::Border | CS::VScroll | CS::TabStop,
             .name = "reportText"},
            {.id = IDOK, .kind = K::PushButton, .text = "&Continue anyway", .x = 128, .y = 108,
             .width = 85, .height = 14, .style = CS::DefaultButton | CS::TabStop,
             .name = "continueButton"},
            {.id = IDCANCEL, .kind = K::PushButton, .text = "E&xit", .x = 220, .y = 108,
             .width = 50, .height = 14, .style = CS::TabStop, .name = "exitButton"},
            {.id = IDC_ABOUT, .kind = K::PushButton, .text = "A&bout", .x = 5, .y = 107,
             .width = 37, .height = 15, .style = CS::TabStop, .name = "aboutButton"},
            // Shown only when nothing loaded, as a file locked for a moment can be read later.
            {.id = IDC_TRY_AGAIN, .kind = K::PushButton, .text = "&Try again", .x = 73, .y = 108,
             .width = 50, .height = 14, .style = CS::TabStop, .name = "tryAgainButton"},
        },
    };
}

DialogTemplate DataFilesTemplate() {
    return {
        .id = IDD_DATA_FILES,
        .caption = "Razzlewick data files",
        .width = 340,
        .height = 198,
        .fontPointSize = 8,
        .style = DS::SystemMenu | DS::MinimizeBox | DS::MaximizeBox | DS::ThickFrame,
        .controls = {
            {.id = IDC_STATIC, .kind = K::StaticText,
             .text = "The data files, folder by folder, and the styles they offer:",
             .x = 5, .y = 4, .width = 330, .height = 9, .name = "dataReportCaption"},
            {.id = IDC_DATA_REPORT, .kind = K::Edit, .x = 5, .y = 14, .width = 330, .height = 160,
             .style = CS::Multiline | CS::ReadOnly | CS::Border | CS::VScroll | CS::WordWrap |
                      CS::TabStop,
             .name = "dataReport"},
            {.id = IDC_COPY_REPORT, .kind = K::PushButton, .text = "&Copy", .x = 5, .y = 179,
             .width = 50, .height = 14, .style = CS::TabStop, .name = "copyReportButton"},
            {.id = IDC_OPEN_STYLES_FOLDER, .kind = K::PushButton, .text = "&Open my styles folder",
             .x = 61, .y = 179, .width = 90, .height = 14, .style = CS::TabStop,
             .name = "openStylesFolderButton"},
            // Reads every folder again, for styles installed or removed while the window is open.
            {.id = IDC_RELOAD_DATA, .kind = K::PushButton, .text = "&Reload", .x = 157, .y = 179,
             .width = 50, .height = 14, .style = CS::TabStop, .name = "reloadButton"},
            {.id = IDCANCEL, .kind = K::PushButton, .text = "Close", .x = 285, .y = 179,
             .width = 50, .height = 14, .style = CS::DefaultButton | CS::TabStop,
             .name = "closeButton"},
        },
    };
}

// The kept insults: a filter, the list, the file's state, and what can be done with them.
DialogTemplate FavouritesTemplate() {
    return {
        .id = IDD_FAVOURITES,
        .caption = "Razzlewick favourites",
        .width = 340,
        .height = 204,
        .fontPointSize = 8,
        .style = DS::SystemMenu | DS::MinimizeBox | DS::MaximizeBox | DS::ThickFrame,
        .controls = {
            {.id = IDC_FAVOURITES_FILTER_LABEL, .kind = K::StaticText, .text = "&Filter:",
             .x = 5, .y = 6, .width = 30, .height = 9, .name = "filterLabel"},
            {.id = IDC_FAVOURITES_FILTER, .kind = K::Edit, .x = 36, .y = 4, .width = 150,
             .height = 12, .style = CS::Border | CS::TabStop, .name = "filterBox"},
            {.id = IDC_FAVOURITES_LIST, .kind = K::ListView, .x = 5, .y = 20, .width = 330,
             .height = 148, .style = CS::Border | CS::TabStop, .name = "favouritesList"},
            {.id = IDC_FAVOURITES_STATUS, .kind = K::StaticText, .x = 5, .y = 171,
             .width = 330, .height = 9, .name = "favouritesStatus"},
            {.id = IDC_COPY_FAVOURITES, .kind = K::PushButton, .text = "&Copy", .x = 5, .y = 185,
             .width = 50, .height = 14, .style = CS::TabStop, .name = "copyFavouritesButton"},
            {.id = IDC_REMOVE_FAVOURITES, .kind = K::PushButton, .text = "&Remove", .x = 61,
             .y = 185, .width = 50, .height = 14, .style = CS::TabStop,
             .name = "removeFavouritesButton"},
            {.id = IDC_UNDO_REMOVE, .kind = K::PushButton, .text = "&Undo", .x = 117, .y = 185,
             .width = 50, .height = 14, .style = CS::TabStop, .name = "undoRemoveButton"},
            {.id = IDC_OPEN_FAVOURITES_FOLDER, .kind = K::PushButton,
             .text = "&Open the file's folder", .x = 173, .y = 185, .width = 90, .height = 14,
             .style = CS::TabStop, .name = "openFavouritesFolderButton"},
            {.id = IDCANCEL, .kind = K::PushButton, .text = "Close", .x = 285, .y = 185,
             .width = 50, .height = 14, .style = CS::DefaultButton | CS::TabStop,
             .name = "closeButton"},
        },
    };
}

DialogTemplate AboutTextPageTemplate() {
    return {
        .id = IDD_ABOUT_TEXT_PAGE,
        .width = 253,
        .height = 102,
        .fontPointSize = 8,
        .style = DS::Child | DS::Visible,
        .controls = {
            {.id = IDC_PAGE_TEXT, .kind = K::Edit, .x = 4, .y = 4, .width = 245, .height = 95,
             .style = CS::Multiline | CS::ReadOnly | CS::Border | CS::VScroll | CS::WordWrap,
             .name = "pageText"},
        },
    };
}

DialogTemplate AboutTemplate() {
    return {
        .id = IDD_ABOUT,
        .caption = "About ?",
        .width = 272,
        .height = 164,
        .fontPointSize = 8,
        .style = DS::SystemMenu,
        .controls = {
            {.id = IDC_ABOUT_VERSION, .kind = K::StaticText, .text = "Name and Version", .x = 7,
             .y = 5, .width = 230, .height = 8,
             .style = CS::Center | CS::CenterVertical, .name = "versionLabel"},
            {.id = IDC_ABOUT_ICON, .kind = K::StaticIcon, .x = 244, .y = 4, .width = 20,
             .height = 20, .name = "programIcon"},
            {.id = IDC_ABOUT_TABS, .kind = K::TabStrip, .x = 7, .y = 16, .width = 258, .height = 120,
             .style = CS::TabStop, .name = "pageTabs"},
            {.id = IDC_WEB_PAGE, .kind = K::PushButton, .text = "&Web page", .x = 7, .y = 141,
             .width = 62, .height = 16, .style = CS::TabStop, .name = "webPageButton"},
            {.id = IDC_MAIL_US, .kind = K::PushButton, .text = "&Mail us!", .x = 75, .y = 141,
             .width = 47, .height = 16, .style = CS::TabStop, .name = "mailButton"},
            {.id = IDC_READ_DOCS, .kind = K::PushButton, .text = "&Read the documentation",
             .x = 131, .y = 141, .width = 87, .height = 16, .style = CS::TabStop,
             .name = "documentationButton"},
            {.id = IDOK, .kind = K::PushButton, .text = "E&xit", .x = 227, .y = 141, .width = 37,
             .height = 16, .style = CS::DefaultButton | CS::TabStop, .name = "exitButton"},
        },
    };
}

DialogTemplate AboutMakerPageTemplate() {
    return {
        .id = IDD_ABOUT_MAKER_PAGE,
        .width = 253,
        .height = 102,
        .fontPointSize = 8,
        .style = DS::Child,
        .controls = {
            {.id = IDC_MAKER_LOGO, .kind = K::StaticBitmap, .x = 4, .y = 4, .width = 245,
             .height = 64, .style = CS::Center | CS::CenterVertical | CS::SunkenEdge,
             .name = "makerLogo", .imageId = IDB_MAKER_LOGO},
            {.id = IDC_MAKER_CAPTION, .kind = K::StaticText, .text = "Tallowfern Software", .x = 4,
             .y = 73, .width = 245, .height = 14, .style = CS::Center | CS::CenterVertical,
             .name = "makerCaption"},
            {.id = IDC_MAKER_LINK, .kind = K::StaticText,
             .text = "http://www.tallowfern.example/Software.html", .x = 4, .y = 90, .width = 245,
             .height = 9, .style = CS::Center, .name = "makerLink"},
        },
    };
}

// clang-format on

}  // namespace

const std::vector<DialogTemplate>& AllDialogTemplates()
{
    static const std::vector<DialogTemplate> templates = {
        MainTemplate(),      OptionsTemplate(),        StartupProblemsTemplate(),
        DataFilesTemplate(), FavouritesTemplate(),     AboutTextPageTemplate(),
        AboutTemplate(),     AboutMakerPageTemplate(),
    };
    return templates;
}

const DialogTemplate& FindDialogTemplate(int id)
{
    for (const DialogTemplate& dialog : AllDialogTemplates()) {
        if (dialog.id == id)
            return dialog;
    }
    throw std::out_of_range("no dialog template " + std::to_string(id));
}

}  // namespace razzlewick
