#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

#include <cstdint>
#include <string>

namespace razzlewick {

// A static text that looks and acts like a web link: coloured by state (unvisited, visited,
// focused, hovered), underlined, fitted to its text, with a hand cursor and the address as
// its tooltip. It opens the address through the desktop, falling back to starting the
// registered browser directly, and explains a failure in a message box.
class CHyperLink final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CHyperLink)

public:
    // The bits of Options().
    enum Option : std::uint32_t {
        LinkUnderline = 0x01,
        LinkHoverColour = 0x02,
        LinkAutoSize = 0x04,
        LinkOpenOnPress = 0x08,
        LinkFocusOnClick = 0x10,
        LinkNoHandCursor = 0x20,
        LinkNoFocusColour = 0x40,
    };

    static constexpr QColor kLinkColour{0, 0, 255};
    static constexpr QColor kVisitedColour{128, 0, 128};
    static constexpr QColor kFocusColour{0, 128, 128};
    static constexpr QColor kHoverColour{255, 0, 0};

    explicit CHyperLink(QWidget* parent = nullptr);
    ~CHyperLink() override;

    // Takes the place of an existing static control: its parent, position, stacking, text,
    // alignment, font, name and control id. The control is deleted. Then the link's own
    // set-up runs: its address becomes the text, the font is underlined and the size
    // fitted, the hand cursor is loaded and the tooltip shows the address.
    void Attach(QLabel* control);

    // Opens the address as a click does.
    void ActivateLink();
    // Shrinks the control to its text, keeping its alignment (only with LinkAutoSize).
    void FitToText();

    std::uint32_t Options() const { return options_; }
    void SetOptions(std::uint32_t options) { options_ = options; }
    const std::string& Url() const { return url_; }
    bool IsFocused() const { return focused_; }
    bool IsOver() const { return over_; }
    bool IsVisited() const { return visited_; }
    // The colour the text is drawn in now.
    QColor TextColour() const;

    // Opens the address with the desktop, else with the registered browser; the answer is
    // the launch code (above 32 when something started). The show command is kept for
    // callers and has no meaning to the desktop.
    static int OpenLink(const std::string& url, int showCommand);
    // Tells the user why a link could not be opened.
    static void ShowOpenError(int code);
    // The same, naming the address or path that did not open and what would open it.
    static void ShowOpenError(int code, const std::string& target);
    // Loads the shared hand cursor once per process.
    static void LoadHandCursor();
    static bool HandCursorLoaded();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetOver(bool over);

    bool focused_ = false;
    bool over_ = false;
    bool visited_ = false;
    std::uint32_t options_ = LinkUnderline | LinkAutoSize | LinkFocusOnClick;
    std::string url_;
    QFont linkFont_;
};

}  // namespace razzlewick
