#include "link/frmWriteRadio.h"

#include "link/BandLimitCompare.h"
#include "link/CloneProtocol.h"
#include "link/LinkCore.h"
#include "link/ProgressBox.h"
#include "link/TransferFiles.h"
#include "link/WindowGeometry.h"
#include "link/frmBandLimitPrompt.h"
#include "mainwindow/IMainWindow.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "platform/core/WholeFile.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"

#include <QLabel>
#include <QPlainTextEdit>

using clonelink::LinkCore;
using clonelink::TwipsRect;

namespace {

namespace texts {
const QString NoResponse = QStringLiteral("ERROR: No response from radio.");
const QString NoWakeUp = QStringLiteral("ERROR: No response from radio!");
const QString InvalidResponse = QStringLiteral("ERROR: Invalid response from radio!");
const QString InvalidRadioId = QStringLiteral("ERROR: Invalid radio ID!");
const QString ReadingLimits = QStringLiteral("Reading band limits from radio...");
const QString AlwaysWrite =
    QStringLiteral("Always write band limits enabled. Writing band limits.");
const QString LimitsMatch =
    QStringLiteral("Radio band limits already match file. Skipping band limits.");
const QString UserWrites = QStringLiteral("User chose to write band limits.");
const QString UserKeeps = QStringLiteral(
    "User chose not to write band limits. Checking radio band limits against file data...");
const QString CheckFailed = QStringLiteral(
    "Check failed: file contains frequencies outside of the band limits in the radio.");
const QString WriteAborted = QStringLiteral("Write aborted.");
const QString CheckPassed = QStringLiteral("Check passed: all memory channels contain frequencies "
                                           "that are within the band limits in the radio.");
const QString SkippingLimits = QStringLiteral("Writing to radio (skipping band limits)...");
const QString Writing = QStringLiteral("Writing to radio: ");
const QString WriteComplete = QStringLiteral("Data write complete.");

QString checkFailedBox() {
    const QString crlf2 = QStringLiteral("\r\n\r\n");
    return QStringLiteral("Cannot write to radio: Some memory channels or the VFOs in the file "
                          "contain frequencies that are outside of the band limits programmed "
                          "into the radio.") +
           crlf2 + QStringLiteral("There are two ways this can be corrected: ") + crlf2 +
           QStringLiteral("   1) Edit the memories and VFOs so that they are within the band "
                          "limits in the radio.") +
           crlf2 +
           QStringLiteral("   2) Write new band limits to the radio that match the file data.");
}
} // namespace texts

constexpr int ReceiveWindowMs = 250;
constexpr int WakeUpTries = 4;
constexpr double IdentityPauseMs = 50;
constexpr double ClosePauseMs = 1000;

// Any number other than 0 writes the limits unasked; a value that is no
// number reads as the default.
bool alwaysWriteLimits() {
    const QString stored = platform::GetSetting(
        SettingsSection, QStringLiteral("AlwaysWriteLimits"), QStringLiteral("0"));
    return platform::TextToDouble(stored).value_or(0.0) != 0.0;
}

} // namespace

frmWriteRadio::frmWriteRadio(QWidget* parent)
    : TransferWindow(parent),
      label1_(makeLabel("Label1",
                        QStringLiteral("1. Be sure the cable is connected and the radio is"),
                        TwipsRect(120, 180, 4980, 240), QFont(QStringLiteral("Arial")))),
      label3_(makeLabel("Label3", QStringLiteral("powered on."), TwipsRect(360, 450, 4500, 225),
                        QFont(QStringLiteral("Arial")))),
      label4_(makeLabel("Label4", QStringLiteral("2. Click the Write button "),
                        TwipsRect(135, 900, 5145, 285), QFont(QStringLiteral("Arial")))) {
    clonelink::TransferWindowSetup setup;
    setup.objectName = "frmWriteRadio";
    setup.title = QStringLiteral("Write To KG-UV");
    setup.command1Text = QStringLiteral("&Write");
    setup.command1Rect = TwipsRect(998, 1470, 1410, 375);
    setup.command2Rect = TwipsRect(3218, 1470, 1455, 375);
    setup.tbfloodRect = TwipsRect(90, 1965, 5505, 375);
    setup.text1Rect = TwipsRect(90, 2475, 5505, 3240);
    setup.text1ScrollBarAlwaysOn = true;
    setup.options.receiveWindowMs = ReceiveWindowMs;
    setup.options.timeBase = clonelink::TimeBase::Counter;
    setup.options.logName = QStringLiteral("write.log");
    setup.options.statusIgnoresErrors = true;
    build(setup);
}

frmWriteRadio::~frmWriteRadio() = default;

// --- buttons ---

void frmWriteRadio::Command1_Click() {
    text1_->clear();
    try {
        PreRead();
    } catch (const platform::RuntimeError& e) {
        LinkCore::ShowErrorBox(e);
    }
}

// --- start of a command ---

void frmWriteRadio::PreRead() {
    core_->runCommand([this] {
        try {
            takeImage();
            writeImageFile();
            core_->openLog();
            if (!core_->findRadio()) {
                core_->closeLog();
                return;
            }
        } catch (const platform::RuntimeError& e) {
            LinkCore::ShowErrorBox(e);
            core_->closeLog();
            core_->closePort();
            return;
        }
        WriteToVurova();
    });
}

void frmWriteRadio::takeImage() {
    RequireMainForm().SetWriteBytes();
    image_ = Program().CloneWriteBuffer;
    image_.resize(clonelink::RadioImageSize);
}

// "write.dat": the bytes about to be sent, replaced at every command.
void frmWriteRadio::writeImageFile() const {
    platform::WriteWholeFile(clonelink::TransferFilePath(QStringLiteral("write.dat")), image_);
}

// --- the sequence ---

void frmWriteRadio::WriteToVurova() {
    Ending ending = Ending::Failed;
    try {
        ending = sequence();
    } catch (const platform::RuntimeError& e) {
        core_->Statusoutput(platform::ErrorText(e));
        core_->updateProgress(100, 100, false,
                              QStringLiteral("ERROR ") + QString::number(e.number()));
        core_->closeLog();
        core_->closePort();
        LinkCore::ShowErrorBox(e);
        return;
    }
    core_->closeLog();
    core_->closePort();
    if (ending == Ending::Failed)
        return;
    if (ending == Ending::Written)
        core_->delay(ClosePauseMs);
    done(ending == Ending::Written ? QDialog::Accepted : QDialog::Rejected);
}

frmWriteRadio::Ending frmWriteRadio::sequence() {
    if (!GetRadioID() || !Exchange06())
        return Ending::Failed;
    if (alwaysWriteLimits()) {
        core_->Statusoutput(texts::AlwaysWrite);
        return WriteMemory(true) ? Ending::Written : Ending::Failed;
    }
    if (!ReadBandLimits() || !Exchange06())
        return Ending::Failed;
    IMainWindow& main = RequireMainForm();
    fileBandLimits_.clear();
    for (int i = 0; i < clonelink::BandLimitEntries; ++i)
        fileBandLimits_.append(main.GetBandLimit(i));
    if (!clonelink::BandLimitsDiffer(radioBandLimits_, fileBandLimits_)) {
        core_->Statusoutput(texts::LimitsMatch);
        return WriteMemory(false) ? Ending::Written : Ending::Failed;
    }
    return writeAfterPrompt();
}

frmWriteRadio::Ending frmWriteRadio::writeAfterPrompt() {
    if (askToWriteLimits()) {
        core_->Statusoutput(texts::UserWrites);
        return handshake() && WriteMemory(true) ? Ending::Written : Ending::Failed;
    }
    core_->Statusoutput(texts::UserKeeps);
    QStringList radioLimits = radioBandLimits_;
    if (!RequireMainForm().CheckBandLimits(radioLimits)) {
        core_->Statusoutput(texts::CheckFailed);
        core_->Statusoutput(texts::WriteAborted);
        platform::MsgBox(texts::checkFailedBox(), platform::vbExclamation | platform::vbOKOnly,
                         QString());
        return Ending::Refused;
    }
    core_->Statusoutput(texts::CheckPassed);
    core_->Statusoutput(texts::SkippingLimits);
    return handshake() && WriteMemory(false) ? Ending::Written : Ending::Failed;
}

bool frmWriteRadio::askToWriteLimits() {
    frmBandLimitPrompt prompt(this);
    prompt.setComparisonText(clonelink::BandLimitComparisonText(radioBandLimits_, fileBandLimits_));
    platform::ExecModal(&prompt);
    return BandLimitPromptResult() == platform::vbYes;
}

// The full wake-up before a write that follows the prompt.
bool frmWriteRadio::handshake() {
    return SendHiVurova() && GetRadioID() && Exchange06();
}

// --- steps ---

bool frmWriteRadio::SendHiVurova() {
    return step([this] {
        for (int attempt = 1; attempt <= WakeUpTries; ++attempt) {
            if (attempt > 1)
                core_->delay(clonelink::ProbeRetryPauseMs);
            core_->send(clonelink::HiVurovaCommand());
            if (!core_->waitForBytes(1)) {
                core_->logNoResponse();
                continue;
            }
            if (clonelink::ClassifyProbeAnswer(core_->receive()) != clonelink::ProbeAnswer::Refused)
                return true;
        }
        core_->updateProgress(100, 100, false, texts::NoWakeUp);
        return false;
    });
}

bool frmWriteRadio::GetRadioID() {
    return step([this] {
        core_->send(clonelink::IdentifyCommand());
        if (!core_->waitForBytes(clonelink::IdentityReplyMin))
            return noResponse();
        core_->delay(IdentityPauseMs);
        const QByteArray answer = core_->receive();
        if (answer.size() != clonelink::IdentityReplyMin &&
            answer.size() != clonelink::IdentityReplyMin + 1) {
            fail(texts::InvalidResponse, texts::InvalidResponse);
            return false;
        }
        const QString identity = clonelink::ModelText(answer);
        core_->Statusoutput(clonelink::texts::RadioIdPrefix + identity);
        if (identity != clonelink::RadioModel()) {
            fail(texts::InvalidRadioId, texts::InvalidRadioId);
            return false;
        }
        return true;
    });
}

bool frmWriteRadio::Exchange06() {
    return step([this] {
        core_->send(clonelink::AckByte());
        if (!core_->waitForBytes(1))
            return noResponse();
        if (core_->receive() == clonelink::AckByte())
            return true;
        // The bar has always shown this one with a full stop after it.
        fail(texts::InvalidResponse, texts::InvalidResponse + QLatin1Char('.'));
        return false;
    });
}

bool frmWriteRadio::ReadBandLimits() {
    return step([this] {
        core_->Statusoutput(texts::ReadingLimits);
        core_->send(clonelink::ReadBlockCommand(clonelink::BandLimitBlockAddress));
        if (!core_->waitForBytes(clonelink::ReadBlockReplySize))
            return noResponse();
        // The echoed header is skipped unexamined; the acknowledgement is the
        // caller's.
        const QByteArray reply = core_->receive();
        radioBandLimits_ =
            clonelink::DecodeBandLimits(reply.mid(4, clonelink::BandLimitTableBytes));
        return true;
    });
}

bool frmWriteRadio::WriteMemory(bool writeLimits) {
    return step([this, writeLimits] {
        // The band-limit block goes first when it goes at all; block 0 never does.
        if (writeLimits && !writeBlock(clonelink::BandLimitBlockAddress))
            return noResponse();
        for (int address = clonelink::WriteBlockSize; address < clonelink::RadioImageSize;
             address += clonelink::WriteBlockSize) {
            if (address != clonelink::BandLimitBlockAddress && !writeBlock(address))
                return noResponse();
            core_->updateProgress(100, clonelink::Percent(address, clonelink::RadioImageSize), true,
                                  texts::Writing, clonelink::texts::Complete);
        }
        core_->updateProgress(100, 100, false, texts::WriteComplete);
        return true;
    });
}

bool frmWriteRadio::writeBlock(int address) {
    core_->send(clonelink::WriteBlockCommand(address));
    core_->send(image_.mid(address, clonelink::WriteBlockSize));
    if (!core_->waitForBytes(1))
        return false;
    core_->receive(); // whatever the radio answers
    return true;
}

// --- failures ---

bool frmWriteRadio::step(const std::function<bool()>& body) {
    try {
        return body();
    } catch (const platform::RuntimeError& e) {
        reportError(e);
        return false;
    }
}

bool frmWriteRadio::noResponse() {
    core_->logNoResponse();
    core_->updateProgress(100, 100, false, texts::NoResponse);
    return false;
}

void frmWriteRadio::fail(const QString& text, const QString& barText) {
    core_->Statusoutput(text);
    core_->updateProgress(100, 100, false, barText);
}

void frmWriteRadio::reportError(const platform::RuntimeError& error) {
    core_->Statusoutput(platform::ErrorText(error));
    core_->updateProgress(100, 100, false,
                          QStringLiteral("ERROR ") + QString::number(error.number()));
    LinkCore::ShowErrorBox(error);
}
