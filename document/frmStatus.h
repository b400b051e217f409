#pragma once
// The program's text window: a caption set by whoever shows it and a
// read-only, scrolling text (band-limit reports, import error logs).

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class frmStatus : public QDialog {
    Q_OBJECT
public:
    explicit frmStatus(QWidget* parent = nullptr);

    QPlainTextEdit* Text1() const { return text1_; }
    QPushButton* Command1() const { return command1_; }

    // The one window of its kind: opened afresh when it is closed, reused
    // while it is open. Modal shows wait until the user closes it.
    static frmStatus* Instance(QWidget* parent = nullptr);
    static void ShowText(const QString& caption, const QString& text, bool modal,
                         QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Command1_Click();
    void LayOut();

    QPlainTextEdit* text1_;
    QPushButton* command1_;
};
