#pragma once

#include <QObject>

namespace razzlewick {

// Lets an edit take digits only from the keyboard. Pasted and dropped text still arrives
// whole, so the dialog's own checks can answer for it instead of the edit dropping it.
class DigitKeyFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DigitKeyFilter)

public:
    // Watches the edit's key and input-method events; the filter is a child of the edit.
    explicit DigitKeyFilter(QWidget* edit);
    ~DigitKeyFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace razzlewick
