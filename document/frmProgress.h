#pragma once
// Progress of a long comparison: a line of text, a bar and a Cancel button.
// Cancel only hides the window; the work goes on and its next step shows it
// again.

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class frmProgress : public QDialog {
    Q_OBJECT
public:
    explicit frmProgress(QWidget* parent = nullptr);

    QLabel* Label1() const { return label1_; }
    QProgressBar* ProgressBar1() const { return progressBar1_; }
    QPushButton* Command1() const { return command1_; }

    // One progress step: text, bar value (0..100) and the window shown.
    void ShowStep(const QString& text, int value);

    static frmProgress* Instance(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();

    QLabel* label1_;
    QProgressBar* progressBar1_;
    QPushButton* command1_;
};
