#pragma once

#include "tests/support/ConfigHome.h"

#include <QByteArray>
#include <QString>

class QWidget;

namespace optionstest {

// Each test gets a fresh XDG_CONFIG_HOME, so the settings file starts out missing; the
// file is read and written as bytes, as the dialog's tests compare it.
class SettingsFixture : public ConfigHomeTest {
protected:
    QString SettingsPath() const;
    // Writes the whole settings file, creating its folder.
    void WriteSettings(const QByteArray& bytes) const;
    // The file's bytes; empty when it does not exist.
    QByteArray ReadSettings() const;
    bool SettingsExist() const;
};

// Whether the control shows its tooltip when the mouse rests on it.
bool ShowsToolTip(QWidget* control);

}  // namespace optionstest
