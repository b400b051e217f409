#pragma once
// The read window: finds the radio, copies its 8,192-byte memory block by
// block and hands it to the active document through the main window. Only a
// complete read reaches the document; the window closes itself one second
// after success and stays open after every failure.

#include <QByteArray>
#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class RuntimeError;
}

namespace clonelink {
class LinkCore;
class ProgressBox;
} // namespace clonelink

class frmReadRadio : public QDialog {
    Q_OBJECT
public:
    explicit frmReadRadio(QWidget* parent = nullptr);
    ~frmReadRadio() override;

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    clonelink::ProgressBox* tbflood() const { return tbflood_; }
    QPlainTextEdit* Text1() const { return text1_; }
    clonelink::LinkCore& link() const { return *core_; }

    // Cancel, the close box and Esc: the running command ends silently at its
    // next wait, pause or yield, and the window closes.
    void reject() override;

private:
    enum class Outcome { Complete, TimedOut, Refused };

    void Command1_Click();
    void Command2_Click();
    void PreRead();
    bool ReadFromVurova();
    Outcome transfer();
    bool readBlock(int address);
    // Sends frame and takes the whole receive buffer once count bytes are
    // in; false when the receive window ended first.
    bool exchange(const QByteArray& frame, int count, QByteArray* reply = nullptr);
    void handOver();
    void timeOutPath();
    void runtimeErrorPath(const platform::RuntimeError& error);

    QLabel* label1_;
    QLabel* label3_;
    QLabel* label2_;
    QPushButton* command1_;
    QPushButton* command2_;
    clonelink::ProgressBox* tbflood_;
    QPlainTextEdit* text1_;
    clonelink::LinkCore* core_;
    QByteArray buffer_;
};
