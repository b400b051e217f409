#pragma once
// What the read and write windows share: the two buttons, the progress bar,
// the hidden details box, the link that drives them, and Cancel. Each window
// makes its own labels first and then calls build(), so the controls are
// created in the order the windows have always had.

#include "link/LinkCore.h"

#include <QDialog>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace clonelink {

class ProgressBox;

struct TransferWindowSetup {
    const char* objectName = "";
    QString title;
    QString command1Text;
    QRect command1Rect;
    QRect command2Rect;
    QRect tbfloodRect;
    QRect text1Rect;
    bool text1ScrollBarAlwaysOn = false;
    LinkOptions options;
};

class TransferWindow : public QDialog {
public:
    ~TransferWindow() override;

    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    ProgressBox* tbflood() const { return tbflood_; }
    QPlainTextEdit* Text1() const { return text1_; }
    LinkCore& link() const { return *core_; }

    // Cancel, the close box and Esc: the running command ends silently at its
    // next wait, pause or yield, and the window closes.
    void reject() override;

protected:
    explicit TransferWindow(QWidget* parent);

    QLabel* makeLabel(const char* name, const QString& text, const QRect& rect, const QFont& font);
    void build(const TransferWindowSetup& setup);

    virtual void Command1_Click() = 0;
    void Command2_Click();

    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    ProgressBox* tbflood_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    LinkCore* core_ = nullptr;
};

} // namespace clonelink
