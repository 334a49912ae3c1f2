#include "tests/options/OptionsTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <cstdlib>

namespace optionstest {

void SettingsFixture::SetUp()
{
    ASSERT_TRUE(configHome_.isValid());
    hadPrevious_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    previous_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configHome_.path().toLocal8Bit());
}

void SettingsFixture::TearDown()
{
    if (hadPrevious_) {
        qputenv("XDG_CONFIG_HOME", previous_);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

QString SettingsFixture::SettingsPath() const
{
    return configHome_.path() + QStringLiteral("/razzlewick/Razzlewick.ini");
}

void SettingsFixture::WriteSettings(const QByteArray& bytes) const
{
    ASSERT_TRUE(QDir(configHome_.path()).mkpath(QStringLiteral("razzlewick")));
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray SettingsFixture::ReadSettings() const
{
    QFile file(SettingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool SettingsFixture::SettingsExist() const
{
    return QFile::exists(SettingsPath());
}

namespace {

// A tip fades out on a timer; wait until the last one is really gone.
void HideToolTip()
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000)) {
        ADD_FAILURE() << "a tooltip stayed on screen";
    }
}

}  // namespace

bool ShowsToolTip(QWidget* control)
{
    HideToolTip();
    const QPoint local = control->rect().center();
    QHelpEvent event(QEvent::ToolTip, local, control->mapToGlobal(local));
    QApplication::sendEvent(control, &event);
    const bool shown = QToolTip::isVisible() && QToolTip::text() == control->toolTip();
    HideToolTip();
    return shown;
}

}  // namespace optionstest
