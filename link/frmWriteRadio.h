#pragma once
// The write window: finds the radio, compares its band limits with the
// document's (asking the user when they differ) and writes the document's
// image to the radio in 16-byte blocks. The window closes itself after a
// complete write and after a refused band-limit check; after any other
// failure it stays open for another try.

#include <QByteArray>
#include <QDialog>
#include <QStringList>
#include <functional>

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

class frmWriteRadio : public QDialog {
    Q_OBJECT
public:
    explicit frmWriteRadio(QWidget* parent = nullptr);
    ~frmWriteRadio() override;

    QLabel* Label1() const { return label1_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label4() const { return label4_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    clonelink::ProgressBox* tbflood() const { return tbflood_; }
    QPlainTextEdit* Text1() const { return text1_; }
    clonelink::LinkCore& link() const { return *core_; }

    // The limits of the last comparison, in band-limit table order.
    const QStringList& RadioBandLimits() const { return radioBandLimits_; }
    const QStringList& FileBandLimits() const { return fileBandLimits_; }

    // Cancel, the close box and Esc: the running command ends silently at its
    // next wait, pause or yield, and the window closes.
    void reject() override;

private:
    enum class Ending { Written, Failed, Refused };

    void Command1_Click();
    void Command2_Click();
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
    QPushButton* command1_;
    QPushButton* command2_;
    clonelink::ProgressBox* tbflood_;
    QPlainTextEdit* text1_;
    clonelink::LinkCore* core_;
    QByteArray image_;
    QStringList radioBandLimits_;
    QStringList fileBandLimits_;
};
