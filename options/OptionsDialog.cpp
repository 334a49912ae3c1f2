#include "options/OptionsDialog.h"

#include "platform/qt/MessageBox.h"
#include "resources/templates/ResourceIds.h"
#include "settings/ProfileFile.h"
#include "settings/UserOptions.h"
#include "ui/DrawnButton.h"
#include "ui/SpinArrows.h"
#include "ui/ToolTipControl.h"

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

namespace razzlewick {

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

OptionsDialog::OptionsDialog(QWidget* parent)
    : TemplateDialog(IDD_OPTIONS, parent),
      cancelButton_(RequireControl<DrawnButton>(IDCANCEL)),
      okButton_(RequireControl<DrawnButton>(IDOK)),
      spin_(RequireControl<SpinArrows>(IDC_COUNT_SPIN)),
      countEdit_(RequireControl<QLineEdit>(IDC_COUNT)),
      onTopCheck_(RequireControl<QCheckBox>(IDC_ON_TOP)),
      levelList_(RequireControl<QComboBox>(IDC_LEVEL)),
      toolTipsCheck_(RequireControl<QCheckBox>(IDC_TOOLTIPS)),
      autoCopyCheck_(RequireControl<QCheckBox>(IDC_AUTOCOPY)),
      countLabelControl_(RequireControl<QLabel>(IDC_COUNT_LABEL)),
      capitaliseCheck_(RequireControl<QCheckBox>(IDC_CAPITALISE)),
      toolTipControl_(new ToolTipControl(this)),
      options_(ReadUserOptions(SettingsFile()))
{
    connect(okButton_, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(countEdit_, &QLineEdit::textChanged, this, &OptionsDialog::OnCountChanged);
    connect(levelList_, &QComboBox::currentIndexChanged, this, &OptionsDialog::OnLevelChanged);
    connect(toolTipsCheck_, &QCheckBox::clicked, this, &OptionsDialog::OnToolTipsClicked);
    for (QCheckBox* check : {onTopCheck_, toolTipsCheck_, autoCopyCheck_, capitaliseCheck_}) {
        // A box shown half-ticked for a stored 2 is an ordinary two-state box once clicked.
        connect(check, &QCheckBox::clicked, check, [check] { check->setTristate(false); });
    }
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::Save() const
{
    WriteUserOptions(SettingsFile(), options_);
}

void OptionsDialog::BeforeFirstShow()
{
    TemplateDialog::BeforeFirstShow();
    WriteControls();

    if (QWidget* owner = parentWidget())
        setWindowIcon(owner->window()->windowIcon());
    for (DrawnButton* button : {okButton_, cancelButton_}) {
        button->SetOutline(OutlineKind::Capsule);
    }
    spin_->SetRange(kMinimumCount, kMaximumCount);
    // The captions label the fields they stand by, for screen readers.
    findChild<QLabel*>(QStringLiteral("levelCaption"))->setBuddy(levelList_);
    auto* generateCaption = findChild<QLabel*>(QStringLiteral("generateCaption"));
    generateCaption->setBuddy(countEdit_);
    // The caption ends in a blank that is layout, not a word.
    generateCaption->setAccessibleName(generateCaption->text().trimmed());
    countEdit_->setAccessibleName(generateCaption->accessibleName());
    spin_->setAccessibleName(QStringLiteral("Number of insults"));

    // Tips show even while another window is active.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    const QString countTip = QStringLiteral("Number of insults to generate each time");
    toolTipControl_->AddTool(countEdit_, countTip);
    toolTipControl_->AddTool(spin_, countTip);
    toolTipControl_->AddTool(capitaliseCheck_,
                             QStringLiteral("Capitalise the initial word of each insult"));
    toolTipControl_->AddTool(onTopCheck_, QStringLiteral("Window is always on top"));
    toolTipControl_->AddTool(levelList_, QStringLiteral("Offensiveness level (see docs)"));
    toolTipControl_->AddTool(toolTipsCheck_, QStringLiteral("Turn ToolTips on and off"));
    toolTipControl_->AddTool(autoCopyCheck_,
                             QStringLiteral("Automatically copy insult(s) to the clipboard"));
    toolTipControl_->Activate(options_.tooltips != 0);

    initialising_ = false;
    levelList_->setFocus(Qt::OtherFocusReason);
}

bool OptionsDialog::ToolTipsActive() const
{
    return toolTipControl_->IsActive();
}

void OptionsDialog::WriteControls()
{
    const bool wasWriting = std::exchange(writingControls_, true);
    WriteCount();
    WriteCheck(*onTopCheck_, options_.alwaysOnTop);
    // A level the list has no entry for leaves it without a selection.
    levelList_->setCurrentIndex(
        options_.level >= 0 && options_.level < levelList_->count() ? options_.level : -1);
    WriteCheck(*toolTipsCheck_, options_.tooltips);
    WriteCheck(*autoCopyCheck_, options_.autoCopy);
    if (countLabelControl_->text() != countLabel_) {
        countLabelControl_->setText(countLabel_);
    }
    WriteCheck(*capitaliseCheck_, options_.capitalise);
    writingControls_ = wasWriting;
}

bool OptionsDialog::ReadControls()
{
    if (!ReadCount())
        return false;
    options_.alwaysOnTop = ReadCheck(*onTopCheck_);
    options_.level = levelList_->currentIndex();
    options_.tooltips = ReadCheck(*toolTipsCheck_);
    options_.autoCopy = ReadCheck(*autoCopyCheck_);
    countLabel_ = countLabelControl_->text();
    options_.capitalise = ReadCheck(*capitaliseCheck_);
    if (options_.count < kMinimumCount || options_.count > kMaximumCount) {
        // The focus stays with the last control read, as the range is checked after it.
        platform::ShowMessageBox(
            this, QString::fromLatin1(kRangeMessageTemplate).arg(kMinimumCount).arg(kMaximumCount),
            platform::MessageIcon::Exclamation);
        capitaliseCheck_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool OptionsDialog::ReadCount()
{
    const std::optional<int16_t> value = ParseCount(countEdit_->text());
    if (!value) {
        platform::ShowMessageBox(this, QString::fromLatin1(kInvalidIntegerMessage),
                                 platform::MessageIcon::Exclamation);
        countEdit_->setFocus(Qt::OtherFocusReason);
        countEdit_->selectAll();
        return false;
    }
    options_.count = *value;
    return true;
}

void OptionsDialog::WriteCount()
{
    const QString text = QString::number(options_.count);
    // Rewriting the same text would notify a change that did not happen.
    if (countEdit_->text() != text)
        countEdit_->setText(text);
}

int32_t OptionsDialog::ReadCheck(const QCheckBox& check)
{
    switch (check.checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        case Qt::Unchecked:
            break;
    }
    return 0;
}

void OptionsDialog::WriteCheck(QCheckBox& check, int32_t value)
{
    // A box has three states; any other stored value shows unticked (and is read back as 0).
    if (value == 2) {
        check.setTristate(true);
        check.setCheckState(Qt::PartiallyChecked);
        return;
    }
    check.setTristate(false);
    check.setCheckState(value == 1 ? Qt::Checked : Qt::Unchecked);
}

void OptionsDialog::OnCountChanged()
{
    // A failed read has shown its message; what follows puts the last good count back.
    if (!initialising_)
        ReadControls();
    countLabel_ = QString::fromLatin1(options_.count == 1 ? kSingularLabel : kPluralLabel);
    if (!initialising_)
        WriteControls();
}

void OptionsDialog::OnLevelChanged()
{
    if (writingControls_ || initialising_)
        return;
    ReadControls();
    if (options_.level == kOffensiveLevel) {
        platform::ShowMessageBox(this, QString::fromLatin1(kLevelWarning),
                                 platform::MessageIcon::Exclamation);
    }
}

void OptionsDialog::OnToolTipsClicked()
{
    ReadControls();
    toolTipControl_->Activate(options_.tooltips != 0);
}

void OptionsDialog::accept()
{
    if (!ReadControls())
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

}  // namespace razzlewick
