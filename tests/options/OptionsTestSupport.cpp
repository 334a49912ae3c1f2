#include "tests/options/OptionsTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

namespace optionstest {

namespace {

constexpr const char* kSettingsName = "Razzlewick.ini";

}  // namespace

QString SettingsFixture::SettingsPath() const
{
    return QString::fromStdString(Folder() + kSettingsName);
}

void SettingsFixture::WriteSettings(const QByteArray& bytes) const
{
    WriteFile(kSettingsName, bytes.toStdString());
}

QByteArray SettingsFixture::ReadSettings() const
{
    return QByteArray::fromStdString(ReadFile(kSettingsName));
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
