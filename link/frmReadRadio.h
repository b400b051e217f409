#pragma once
// The read window: finds the radio, copies its 8,192-byte memory block by
// block and hands it to the active document through the main window. Only a
// complete read reaches the document; the window closes itself one second
// after success and stays open after every failure.

#include "link/TransferWindow.h"

#include <QByteArray>

class QLabel;

namespace platform {
class RuntimeError;
}

class frmReadRadio : public clonelink::TransferWindow {
    Q_OBJECT
public:
    explicit frmReadRadio(QWidget* parent = nullptr);
    ~frmReadRadio() override;

    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }

private:
    enum class Outcome { Complete, TimedOut, Refused };

    void Command1_Click() override;
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
    QByteArray buffer_;
};
