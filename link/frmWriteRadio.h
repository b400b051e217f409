#pragma once
// The write window: finds the radio, compares its band limits with the
// document's (asking the user when they differ) and writes the document's
// image to the radio in 16-byte blocks. The window closes itself after a
// complete write and after a refused band-limit check; after any other
// failure it stays open for another try.

#include "link/TransferWindow.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

class QLabel;

namespace platform {
class RuntimeError;
}

class frmWriteRadio : public clonelink::TransferWindow {
    Q_OBJECT
public:
    explicit frmWriteRadio(QWidget* parent = nullptr);
    ~frmWriteRadio() override;

    QLabel* Label1() const { return label1_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }

    // The limits of the last comparison, in band-limit table order.
    const QStringList& RadioBandLimits() const { return radioBandLimits_; }
    const QStringList& FileBandLimits() const { return fileBandLimits_; }

private:
    enum class Ending { Written, Failed, Refused };

    void Command1_Click() override;
    void PreRead();
    void takeImage();
    void writeImageFile() const;
    void WriteToVurova();
    Ending sequence();
    Ending writeAfterPrompt();

    bool SendHiVurova();
    bool GetRadioID();
    bool Exchange06();
    bool ReadBandLimits();
    bool WriteMemory(bool writeLimits);
    bool handshake();
    bool writeBlock(int address);
    bool askToWriteLimits();

    // Runs one step; a run-time failure inside it is reported and fails it.
    bool step(const std::function<bool()>& body);
    bool noResponse();
    void fail(const QString& text, const QString& barText);
    void reportError(const platform::RuntimeError& error);

    QLabel* label1_;
    QLabel* label3_;
    QLabel* label4_;
    QByteArray image_;
    QStringList radioBandLimits_;
    QStringList fileBandLimits_;
};
