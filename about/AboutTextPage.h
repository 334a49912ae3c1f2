#pragma once

#include "ui/TemplateDialog.h"

#include <string>

namespace razzlewick {

// One page of the About box showing a read-only text (the overview, the legal terms).
class AboutTextPage final : public TemplateDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutTextPage)

public:
    explicit AboutTextPage(QWidget* parent);
    ~AboutTextPage() override;

    // The Windows-1252 text the page shows from its first show on.
    void SetText(std::string text) { text_ = std::move(text); }
    const std::string& Text() const { return text_; }

protected:
    void BeforeFirstShow() override;

private:
    std::string text_;
};

}  // namespace razzlewick
