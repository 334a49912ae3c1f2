#include "app/OpenFolder.h"

#include "about/DesktopOpen.h"
#include "platform/FileSystem.h"
#include "platform/qt/MessageBox.h"
#include "ui/DisplayText.h"

#include <cerrno>
#include <cstring>

namespace razzlewick {

void MakeAndOpenFolder(QWidget* parent, const std::string& folder)
{
    if (!platform::MakeFolders(folder)) {
        const int error = errno;
        platform::ShowMessageBox(
            parent,
            QStringLiteral("Cannot create the folder %1:\n%2")
                .arg(FileSystemTextToDisplay(folder), QString::fromLocal8Bit(std::strerror(error))),
            platform::MessageIcon::Exclamation);
        return;
    }
    if (const DesktopOpenResult opened = OpenOnDesktop(folder); !opened.opened) {
        platform::ShowMessageBox(parent, FileSystemTextToDisplay(opened.message),
                                 platform::MessageIcon::Exclamation);
    }
}

}  // namespace razzlewick
