#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class QWidget;

namespace optionstest {

// Each test gets a fresh XDG_CONFIG_HOME, so the settings file starts out missing.
class SettingsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString SettingsPath() const;
    // Writes the whole settings file, creating its folder.
    void WriteSettings(const QByteArray& bytes) const;
    // The file's bytes; empty when it does not exist.
    QByteArray ReadSettings() const;
    bool SettingsExist() const;

private:
    QTemporaryDir configHome_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};

// Whether the control shows its tooltip when the mouse rests on it.
bool ShowsToolTip(QWidget* control);

}  // namespace optionstest
