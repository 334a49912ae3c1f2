#pragma once

#include <string>

class QWidget;

namespace razzlewick {

// Makes `folder` if it is not there yet and hands it to the desktop's file manager; says in a
// message box over `parent` why either step failed.
void MakeAndOpenFolder(QWidget* parent, const std::string& folder);

}  // namespace razzlewick
