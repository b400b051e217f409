#include "link/frmReadRadio.h"

#include "link/CloneProtocol.h"
#include "link/LinkCore.h"
#include "link/ProgressBox.h"
#include "link/WindowGeometry.h"
#include "mainwindow/IMainWindow.h"
#include "platform/core/RuntimeError.h"

#include <QLabel>
#include <QPlainTextEdit>

using clonelink::LinkCore;
using clonelink::TwipsRect;

namespace {

const QString ReadingLabel = QStringLiteral("Reading From Radio: ");
const QString NoResponse = QStringLiteral("ERROR: No response from radio.");
const QString InvalidRadioId = QStringLiteral("ERROR: Invalid radio ID!");
const QString Downloaded = QStringLiteral("Data downloaded successfully!");

constexpr int ReceiveWindowMs = 1000;
constexpr double IdentityPauseMs = 50;
constexpr double ClosePauseMs = 1000;

} // namespace

frmReadRadio::frmReadRadio(QWidget* parent)
    : TransferWindow(parent),
      label1_(makeLabel("Label1",
                        QStringLiteral("1. Be sure the cable is connected and the radio is"),
                        TwipsRect(120, 180, 4980, 480), clonelink::ArialFont(9.75, true))),
      label3_(makeLabel("Label3", QStringLiteral("powered on."), TwipsRect(360, 450, 4500, 285),
                        clonelink::ArialFont(9.75, true))),
      label2_(makeLabel("Label2", QStringLiteral("2. Click the Read button"),
                        TwipsRect(120, 885, 5145, 285), clonelink::ArialFont(9.75, true))),
      buffer_(clonelink::RadioImageSize, '\0') {
    clonelink::TransferWindowSetup setup;
    setup.objectName = "frmReadRadio";
    setup.title = QStringLiteral("Read From KG-UV");
    setup.command1Text = QStringLiteral("Read");
    setup.command1Rect = TwipsRect(1028, 1440, 1455, 375);
    setup.command2Rect = TwipsRect(3188, 1440, 1455, 375);
    setup.tbfloodRect = TwipsRect(60, 1980, 5505, 375);
    setup.text1Rect = TwipsRect(120, 2580, 5445, 3150);
    setup.options.receiveWindowMs = ReceiveWindowMs;
    setup.options.timeBase = clonelink::TimeBase::TimeOfDay;
    setup.options.logName = QStringLiteral("read.log");
    setup.options.statusIgnoresErrors = false;
    build(setup);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setWordWrap(true);
}

frmReadRadio::~frmReadRadio() = default;

void frmReadRadio::Command1_Click() {
    // A press while a read is probing or reading leaves it alone.
    if (core_->busy())
        return;
    text1_->clear();
    try {
        PreRead();
    } catch (const platform::RuntimeError& e) {
        LinkCore::ShowErrorBox(e);
    }
}

void frmReadRadio::PreRead() {
    core_->runCommand([this] {
        bool complete = false;
        try {
            core_->openLog();
            if (core_->findRadio())
                complete = ReadFromVurova();
        } catch (const platform::RuntimeError& e) {
            LinkCore::ShowErrorBox(e);
            core_->closePort();
        }
        core_->closeLog();
        if (!complete)
            return;
        core_->delay(ClosePauseMs);
        done(QDialog::Accepted);
    });
}

bool frmReadRadio::ReadFromVurova() {
    try {
        switch (transfer()) {
        case Outcome::Complete:
            handOver();
            return true;
        case Outcome::TimedOut:
            timeOutPath();
            return false;
        case Outcome::Refused:
            return false;
        }
    } catch (const platform::RuntimeError& e) {
        runtimeErrorPath(e);
    }
    return false;
}

frmReadRadio::Outcome frmReadRadio::transfer() {
    core_->send(clonelink::IdentifyCommand());
    if (!core_->waitForBytes(clonelink::IdentityReplyMin))
        return Outcome::TimedOut;
    core_->delay(IdentityPauseMs);
    const QString model = clonelink::ModelText(core_->receive());
    core_->Statusoutput(clonelink::texts::RadioIdPrefix + model);
    if (model != clonelink::RadioModel()) {
        core_->Statusoutput(InvalidRadioId);
        core_->setTimedOut(false);
        core_->updateProgress(100, 100, false, InvalidRadioId);
        core_->closePort();
        return Outcome::Refused;
    }
    // The radio's acknowledgements are taken as they come.
    if (!exchange(clonelink::AckByte(), 1))
        return Outcome::TimedOut;
    for (int address = 0; address < clonelink::RadioImageSize;
         address += clonelink::ReadBlockSize) {
        if (!readBlock(address))
            return Outcome::TimedOut;
        core_->updateProgress(
            100, clonelink::Percent(address + clonelink::ReadBlockSize, clonelink::RadioImageSize),
            true, ReadingLabel, clonelink::texts::Complete);
        core_->yield();
    }
    return Outcome::Complete;
}

bool frmReadRadio::readBlock(int address) {
    QByteArray reply;
    if (!exchange(clonelink::ReadBlockCommand(address), clonelink::ReadBlockReplySize, &reply))
        return false;
    // The echoed header is not examined; bytes after the block are dropped.
    buffer_.replace(address, clonelink::ReadBlockSize, reply.mid(4, clonelink::ReadBlockSize));
    return exchange(clonelink::AckByte(), 1);
}

bool frmReadRadio::exchange(const QByteArray& frame, int count, QByteArray* reply) {
    core_->send(frame);
    if (!core_->waitForBytes(count))
        return false;
    const QByteArray bytes = core_->receive();
    if (reply)
        *reply = bytes;
    return true;
}

void frmReadRadio::handOver() {
    core_->updateProgress(100, 100, false, Downloaded);
    IMainWindow& main = RequireMainForm();
    main.Sbyt(QByteArray(buffer_));
    main.EnableGUI();
    main.FillGrid();
    core_->closePort();
}

void frmReadRadio::timeOutPath() {
    core_->setTimedOut(false);
    core_->Statusoutput(NoResponse);
    core_->updateProgress(100, 100, false, NoResponse);
    core_->logBufferDump();
    core_->closePort();
}

void frmReadRadio::runtimeErrorPath(const platform::RuntimeError& error) {
    const QString line = platform::ErrorText(error);
    // A log that fails here has already failed once; the box still tells.
    try {
        core_->Statusoutput(line);
    } catch (const platform::RuntimeError&) {
    }
    try {
        core_->logBufferDump();
    } catch (const platform::RuntimeError&) {
    }
    LinkCore::ShowErrorBox(error);
    core_->updateProgress(100, 100, false,
                          QStringLiteral("ERROR ") + QString::number(error.number()));
    core_->setTimedOut(false);
    core_->closePort();
}
