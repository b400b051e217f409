#pragma once
// A window that shows one scrolling text box (Text1) above one centred button
// (Command1) that closes it. The layout is redone on every resize: the box
// keeps its left and top and fills the window but for its margins; the button
// stands at a fixed distance from the bottom. Each measure is applied on its
// own, and one the window is too small for is skipped, so the control keeps
// its last good size or place.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace platform {

class TextWindow : public QDialog {
    Q_OBJECT
public:
    // Twips; the margins are measured from the window's inner size.
    struct Layout {
        int textLeft;
        int textTop;
        int textWidthMargin;  // inner width - box width
        int textHeightMargin; // inner height - box height
        int buttonFromBottom; // inner height - button top
        int buttonWidth;
        int buttonHeight;
        int initialWidth;
        int initialHeight;
    };

    TextWindow(const QString& buttonCaption, const Layout& layout, QWidget* parent = nullptr);

    QPlainTextEdit* Text1() const { return text1_; }
    // Puts the text into the box. A word too long for any line (a garbage
    // line of an imported file in a log) is broken anywhere: breaking it at a
    // word boundary first takes time growing with the square of its length,
    // minutes for a few hundred thousand characters.
    void SetText(const QString& text);
    QPushButton* Command1() const { return command1_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Command1_Click();
    void Form_Resize();

    const Layout layout_;
    QPlainTextEdit* text1_;
    QPushButton* command1_;
};

} // namespace platform
