#include "resources/templates/DialogTemplate.h"
#include "resources/templates/ResourceIds.h"

#include <stdexcept>

namespace razzlewick {

namespace {

const std::vector<MenuTemplate>& AllMenuTemplates()
{
    static const std::vector<MenuTemplate> menus = {
        {.id = IDR_MAIN_MENU,
         .popups =
             {
                 {.text = "&File",
                  .items = {{.text = "&Keep this insult",
                             .commandId = ID_FILE_KEEP,
                             .shortcut = "Ctrl+K"},
                            {.text = "F&avourites...", .commandId = ID_FILE_FAVOURITES},
                            {.separator = true},
                            {.text = "E&xit", .commandId = ID_FILE_EXIT}}},
                 {.text = "&Options",
                  .items = {{.text = "&Preferences", .commandId = ID_OPTIONS_PREFERENCES}}},
                 {.text = "&Help",
                  .items = {{.text = "&About", .commandId = ID_HELP_ABOUT},
                            {.separator = true},
                            {.text = "&Mail us", .commandId = ID_HELP_MAIL},
                            {.text = "&Visit our web site", .commandId = ID_HELP_WEB_PAGE},
                            {.text = "&Read the documentation", .commandId = ID_HELP_DOCUMENTATION},
                            {.separator = true},
                            {.text = "&Data files...", .commandId = ID_HELP_DATA_FILES}}},
             }},
    };
    return menus;
}

}  // namespace

const MenuTemplate& FindMenuTemplate(int id)
{
    for (const MenuTemplate& menu : AllMenuTemplates()) {
        if (menu.id == id)
            return menu;
    }
    throw std::out_of_range("no menu template " + std::to_string(id));
}

}  // namespace razzlewick
