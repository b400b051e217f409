#include "link/frmReadRadio.h"

#include "link/CloneProtocol.h"
#include "link/LinkCore.h"
#include "link/ProgressBox.h"
#include "link/WindowGeometry.h"
#include "mainwindow/IMainWindow.h"
#include "platform/core/RuntimeError.h"
#include "platform/widgets/Application.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

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
constexpr int ErrObjectNotSet = 91;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(clonelink::ArialFont(9.75, true));
    label->setGeometry(rect);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    return button;
}

IMainWindow& mainWindow() {
    IMainWindow* main = MainForm();
    if (!main)
        throw platform::RuntimeError(
            ErrObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
    return *main;
}

} // namespace

frmReadRadio::frmReadRadio(QWidget* parent)
    : QDialog(parent),
      label1_(makeLabel(this, "Label1",
                        QStringLiteral("1. Be sure the cable is connected and the radio is"),
                        TwipsRect(120, 180, 4980, 480))),
      label3_(
          makeLabel(this, "Label3", QStringLiteral("powered on."), TwipsRect(360, 450, 4500, 285))),
      label2_(makeLabel(this, "Label2", QStringLiteral("2. Click the Read button"),
                        TwipsRect(120, 885, 5145, 285))),
      command1_(
          makeButton(this, "Command1", QStringLiteral("Read"), TwipsRect(1028, 1440, 1455, 375))),
      command2_(makeButton(this, "Command2", QStringLiteral("&Cancel"),
                           TwipsRect(3188, 1440, 1455, 375))),
      tbflood_(new clonelink::ProgressBox(this)), text1_(new QPlainTextEdit(this)), core_(nullptr),
      buffer_(clonelink::RadioImageSize, '\0') {
    setObjectName(QStringLiteral("frmReadRadio"));
    setWindowTitle(QStringLiteral("Read From KG-UV"));
    // The details box lies below the client area: it takes every status line
    // but is never in view.
    setFixedSize(platform::TwipsToPixels(5670), platform::TwipsToPixels(2445));
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setWordWrap(true);
    tbflood_->setFont(clonelink::ArialFont(9.75, true));
    tbflood_->setGeometry(TwipsRect(60, 1980, 5505, 375));
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(TwipsRect(120, 2580, 5445, 3150));

    clonelink::LinkOptions options;
    options.receiveWindowMs = ReceiveWindowMs;
    options.timeBase = clonelink::TimeBase::TimeOfDay;
    options.logName = QStringLiteral("read.log");
    options.statusIgnoresErrors = false;
    core_ = new LinkCore(options, text1_, tbflood_, this);

    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
    connect(command2_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command2_Click(); }));
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

void frmReadRadio::Command2_Click() {
    reject();
}

void frmReadRadio::reject() {
    core_->abandon();
    QDialog::reject();
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
    core_->statusOutput(clonelink::texts::RadioIdPrefix + model);
    if (model != clonelink::RadioModel()) {
        core_->statusOutput(InvalidRadioId);
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
    IMainWindow& main = mainWindow();
    main.Sbyt(QByteArray(buffer_));
    main.EnableGUI();
    main.FillGrid();
    core_->closePort();
}

void frmReadRadio::timeOutPath() {
    core_->setTimedOut(false);
    core_->statusOutput(NoResponse);
    core_->updateProgress(100, 100, false, NoResponse);
    core_->logBufferDump();
    core_->closePort();
}

void frmReadRadio::runtimeErrorPath(const platform::RuntimeError& error) {
    const QString line = platform::ErrorText(error);
    // A log that fails here has already failed once; the box still tells.
    try {
        core_->statusOutput(line);
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
