#include "options/OptionsDialog.h"

#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "settings/UserOptions.h"
#include "ui/DialogBuilder.h"
#include "ui/DrawnButton.h"
#include "ui/ToolTipControl.h"
#include "ui/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace {

const char* const kInvalidIntegerMessage = "Please enter an integer.";
const char* const kRangeMessageTemplate = "Please enter an integer between %1 and %2.";
const char* const kSingularLabel = "insult each time";
const char* const kPluralLabel = "insults each time";
const char* const kLevelWarning =
    "Whilst Razzlewick draws the line at downright obscenity and racial slurs, \n"
    "some of the content is certainly not Politically Correct. \n"
    "You have elected to enable features of Razzlewick that some people \n"
    "have been offended by, namely the Modern and Mediterranean styles of insult.\n"
    "If you find these styles upset you then you can easily turn them off again, \n"
    "or stop using the program entirely.  You have been warned.";

// The level that unlocks the coarser styles, and so earns a warning.
constexpr int kOffensiveLevel = 1;

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A whole number with optional blanks around it and an optional sign, within 16 bits.
std::optional<int16_t> ParseCount(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == u'-' || text[begin] == u'+')) {
        negative = text[begin] == u'-';
        ++begin;
    }
    if (begin == end)
        return std::nullopt;
    int32_t value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        // Past 32768 nothing can come back into range; stopping here also keeps value small.
        if (value > std::numeric_limits<int16_t>::max() + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(value);
}

}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent) : TemplateDialog(IDD_OPTIONS, parent)
{
    cancelButton = FindControl<DrawnButton>(this, IDCANCEL);
    okButton = FindControl<DrawnButton>(this, IDOK);
    spin = FindControl<UpDown>(this, IDC_COUNT_SPIN);
    countEdit = FindControl<QLineEdit>(this, IDC_COUNT);
    onTopCheck = FindControl<QCheckBox>(this, IDC_ON_TOP);
    levelList = FindControl<QComboBox>(this, IDC_LEVEL);
    toolTipsCheck = FindControl<QCheckBox>(this, IDC_TOOLTIPS);
    autoCopyCheck = FindControl<QCheckBox>(this, IDC_AUTOCOPY);
    countLabelControl = FindControl<QLabel>(this, IDC_COUNT_LABEL);
    capitaliseCheck = FindControl<QCheckBox>(this, IDC_CAPITALISE);
    toolTipControl = new ToolTipControl(this);

    if (okButton != nullptr)
        connect(okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    if (cancelButton != nullptr) {
        connect(cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
    }
    if (countEdit != nullptr) {
        connect(countEdit, &QLineEdit::textChanged, this, &OptionsDialog::OnCountChanged);
    }
    if (levelList != nullptr) {
        connect(levelList, &QComboBox::currentIndexChanged, this, &OptionsDialog::OnLevelChanged);
    }
    if (toolTipsCheck != nullptr) {
        connect(toolTipsCheck, &QCheckBox::clicked, this, &OptionsDialog::OnToolTipsClicked);
    }
    for (QCheckBox* check : {onTopCheck, toolTipsCheck, autoCopyCheck, capitaliseCheck}) {
        // A box shown half-ticked for a stored 2 is an ordinary two-state box once clicked.
        if (check != nullptr)
            connect(check, &QCheckBox::clicked, check, [check] { check->setTristate(false); });
    }

    initialising = true;
    countLabel.clear();
    ReadSettings();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::ReadSettings()
{
    const UserOptions stored = ReadUserOptions(SettingsFile());
    count = stored.count;
    capitalise = stored.capitalise;
    alwaysOnTop = stored.alwaysOnTop;
    level = stored.level;
    toolTips = stored.tooltips;
    autoCopy = stored.autoCopy;
}

void OptionsDialog::Save() const
{
    WriteUserOptions(SettingsFile(), {.count = count,
                                      .capitalise = capitalise,
                                      .alwaysOnTop = alwaysOnTop,
                                      .level = level,
                                      .tooltips = toolTips,
                                      .autoCopy = autoCopy});
}

void OptionsDialog::OnInitDialog()
{
    TemplateDialog::OnInitDialog();
    UpdateData(false);

    if (QWidget* owner = parentWidget())
        setWindowIcon(owner->window()->windowIcon());
    for (DrawnButton* button : {okButton, cancelButton}) {
        if (button != nullptr)
            button->SetOutline(OutlineKind::Capsule);
    }
    if (spin != nullptr)
        spin->SetRange(kMinimumCount, kMaximumCount);

    // Tips show even while another window is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    const QString countTip = QStringLiteral("Number of insults to generate each time");
    toolTipControl->AddTool(countEdit, countTip);
    toolTipControl->AddTool(spin, countTip);
    toolTipControl->AddTool(capitaliseCheck,
                            QStringLiteral("Capitalise the initial word of each insult"));
    toolTipControl->AddTool(onTopCheck, QStringLiteral("Window is always on top"));
    toolTipControl->AddTool(levelList, QStringLiteral("Offensiveness level (see docs)"));
    toolTipControl->AddTool(toolTipsCheck, QStringLiteral("Turn ToolTips on and off"));
    toolTipControl->AddTool(autoCopyCheck,
                            QStringLiteral("Automatically copy insult(s) to the clipboard"));
    toolTipControl->Activate(toolTips != 0);

    initialising = false;
    if (levelList != nullptr)
        levelList->setFocus(Qt::OtherFocusReason);
}

bool OptionsDialog::ToolTipsActive() const
{
    return toolTipControl->IsActive();
}

bool OptionsDialog::UpdateData(bool saveAndValidate)
{
    if (!saveAndValidate) {
        const bool wasWriting = std::exchange(writingControls, true);
        WriteCount();
        WriteCheck(onTopCheck, alwaysOnTop);
        if (levelList != nullptr) {
            // A level the list has no entry for leaves it without a selection.
            levelList->setCurrentIndex(level >= 0 && level < levelList->count() ? level : -1);
        }
        WriteCheck(toolTipsCheck, toolTips);
        WriteCheck(autoCopyCheck, autoCopy);
        if (countLabelControl != nullptr && countLabelControl->text() != countLabel) {
            countLabelControl->setText(countLabel);
        }
        WriteCheck(capitaliseCheck, capitalise);
        writingControls = wasWriting;
        return true;
    }

    if (!ReadCount())
        return false;
    alwaysOnTop = ReadCheck(onTopCheck);
    if (levelList != nullptr)
        level = levelList->currentIndex();
    toolTips = ReadCheck(toolTipsCheck);
    autoCopy = ReadCheck(autoCopyCheck);
    if (countLabelControl != nullptr)
        countLabel = countLabelControl->text();
    capitalise = ReadCheck(capitaliseCheck);
    if (count < kMinimumCount || count > kMaximumCount) {
        // The focus stays with the last control read, as the range is checked after it.
        platform::ShowMessageBox(
            this, QString::fromLatin1(kRangeMessageTemplate).arg(kMinimumCount).arg(kMaximumCount),
            platform::MessageIcon::Exclamation);
        if (capitaliseCheck != nullptr)
            capitaliseCheck->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool OptionsDialog::ReadCount()
{
    if (countEdit == nullptr)
        return true;
    const std::optional<int16_t> value = ParseCount(countEdit->text());
    if (!value) {
        platform::ShowMessageBox(this, QString::fromLatin1(kInvalidIntegerMessage),
                                 platform::MessageIcon::Exclamation);
        countEdit->setFocus(Qt::OtherFocusReason);
        countEdit->selectAll();
        return false;
    }
    count = *value;
    return true;
}

void OptionsDialog::WriteCount()
{
    if (countEdit == nullptr)
        return;
    const QString text = QString::number(count);
    // Rewriting the same text would notify a change that did not happen.
    if (countEdit->text() != text)
        countEdit->setText(text);
}

int32_t OptionsDialog::ReadCheck(const QCheckBox* check)
{
    if (check == nullptr)
        return 0;
    switch (check->checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        case Qt::Unchecked:
            break;
    }
    return 0;
}

void OptionsDialog::WriteCheck(QCheckBox* check, int32_t value)
{
    if (check == nullptr)
        return;
    // A box has three states; any other stored value shows unticked (and is read back as 0).
    if (value == 2) {
        check->setTristate(true);
        check->setCheckState(Qt::PartiallyChecked);
        return;
    }
    check->setTristate(false);
    check->setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
}

void OptionsDialog::OnCountChanged()
{
    // A failed read has shown its message; what follows puts the last good count back.
    if (!initialising)
        UpdateData(true);
    countLabel = QString::fromLatin1(count == 1 ? kSingularLabel : kPluralLabel);
    if (!initialising)
        UpdateData(false);
}

void OptionsDialog::OnLevelChanged()
{
    if (writingControls || initialising)
        return;
    UpdateData(true);
    if (level == kOffensiveLevel) {
        platform::ShowMessageBox(this, QString::fromLatin1(kLevelWarning),
                                 platform::MessageIcon::Exclamation);
    }
}

void OptionsDialog::OnToolTipsClicked()
{
    UpdateData(true);
    toolTipControl->Activate(toolTips != 0);
}

void OptionsDialog::accept()
{
    if (!UpdateData(true))
        return;
    TemplateDialog::accept();
}

void OptionsDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        // With no default button, Enter still means OK, as in any dialog box.
        const QList<QPushButton*> buttons = findChildren<QPushButton*>();
        const bool hasDefault =
            std::any_of(buttons.begin(), buttons.end(),
                        [](const QPushButton* b) { return b->isDefault() && b->isVisible(); });
        if (!hasDefault) {
            accept();
            return;
        }
    }
    TemplateDialog::keyPressEvent(event);
}
