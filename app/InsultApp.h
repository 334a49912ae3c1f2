#pragma once

#include <QDialog>

#include <functional>
#include <string>

namespace razzlewick {

// The program's start-up and shutdown: builds the main window (and with it the empty
// engine), loads the data files into it, shows the start-up problems when loading was
// not clean, and runs the main window until the user closes it. Holds no state of the
// program's own; the program folder and the modal runs can be replaced for tests.
class InsultApp final {
public:
    // Runs a dialog modally and returns its result (exec by default).
    using ModalRunner = std::function<int(QDialog& dialog)>;

    // An empty programFolder means the folder of the running program.
    explicit InsultApp(std::string programFolder = {}, ModalRunner runModal = {});

    // The whole run: returns when the program is to end.
    void Run();

private:
    std::string programFolder_;
    ModalRunner runModal_;
};

}  // namespace razzlewick
