#pragma once
// Asks, before a write, whether the document's band limits are to be written
// to the radio, showing both sets side by side. The answer is left in
// BandLimitPromptResult(): 0 while open, 6 Yes, 7 No; closing the window any
// other way (close box, Esc) counts as No.

#include <QDialog>
#include <cstdint>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The prompt's last answer; it keeps it until the next prompt is made.
int32_t& BandLimitPromptResult();

class frmBandLimitPrompt : public QDialog {
    Q_OBJECT
public:
    explicit frmBandLimitPrompt(QWidget* parent = nullptr);

    // The comparison text, with its CR LF line ends.
    void setComparisonText(const QString& text);
    QString comparisonText() const { return comparisonText_; }

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QPlainTextEdit* Text1() const { return text1_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }

    // Close box, system menu and Esc all end here.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void fitTextBox();

    QLabel* label1_;
    QFrame* frame1_;
    QPlainTextEdit* text1_;
    QLabel* label2_;
    QPushButton* command1_;
    QPushButton* command2_;
    QString comparisonText_;
};
