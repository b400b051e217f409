// Finding the radio: the probe on one port with its retries and pauses, and
// the search over ports 1-16.

#include "link/CloneProtocol.h"
#include "link/LinkCore.h"
#include "platform/core/CommPort.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Settings.h"
#include "program/ProgramValues.h"

namespace clonelink {

namespace {

const QString CommPortKey = QStringLiteral("CommPort");
const QString AutoDetectKey = QStringLiteral("AutoDetect");
constexpr int SavedPortTries = 4;
constexpr int OtherPortTries = 2;

} // namespace

int LinkCore::SavedPort() {
    const QString stored = platform::GetSetting(SettingsSection, CommPortKey, QStringLiteral("1"));
    return platform::TextToInt32(stored).value_or(1);
}

bool LinkCore::AutoDetectOn() {
    const QString stored =
        platform::GetSetting(SettingsSection, AutoDetectKey, QStringLiteral("1"));
    return platform::TextToDouble(stored).value_or(1.0) == 1.0;
}

bool LinkCore::TestPort(int port) {
    const int tries = port == SavedPort() ? SavedPortTries : OtherPortTries;
    for (int attempt = 1; attempt <= tries; ++attempt) {
        if (attempt > 1) {
            delay(ProbeRetryPauseMs);
            if (port == SavedPort())
                updateProgress(100, Percent(attempt - 1, 3), false, texts::Attempting);
        }
        bool opened = true;
        platform::RuntimeError openError(0, QString());
        try {
            openPort(port);
        } catch (const platform::RuntimeError& e) {
            opened = false;
            openError = e;
        }
        Statusoutput(texts::AttemptingOnPort + QString::number(port));
        if (!opened) {
            Statusoutput(platform::ErrorText(openError));
            closePort();
            return false;
        }
        if (probeOnce(port))
            return true;
        closePort();
    }
    closePort();
    return false;
}

// One try on an open port. A step that fails (the device gone, a log line
// that cannot be written) ends the try like a refused answer: the port is
// closed, and the next try opens it afresh with an empty buffer.
bool LinkCore::probeOnce(int port) {
    try {
        send(HiVurovaCommand());
        if (!waitForBytes(1)) {
            logNoResponse();
            return false;
        }
        const QByteArray answer = receive();
        const ProbeAnswer verdict = ClassifyProbeAnswer(answer);
        if (verdict == ProbeAnswer::Refused) {
            Statusoutput(texts::InvalidProbeAnswer);
            return false;
        }
        if (verdict == ProbeAnswer::AcceptedWithId)
            Statusoutput(texts::RadioIdPrefix + RadioModel());
        platform::SaveSetting(SettingsSection, CommPortKey, QString::number(port));
        return true;
    } catch (const platform::RuntimeError&) {
        return false;
    }
}

bool LinkCore::findRadio() {
    updateProgress(100, 0, false, texts::Attempting);
    const int saved = SavedPort();
    startClock();
    if (TestPort(saved))
        return true;
    if (!AutoDetectOn()) {
        updateProgress(100, 100, false, texts::NoResponseOnSelected);
        Statusoutput(texts::NoResponseOnSelected);
        return false;
    }
    updateProgress(100, 0, true, texts::Detecting, texts::Complete);
    yield();
    for (int p = platform::FirstPortNumber; p <= platform::LastPortNumber; ++p) {
        if (p != saved && TestPort(p))
            return true;
        updateProgress(100, Percent(p, platform::LastPortNumber), true, texts::Detecting,
                       texts::Complete);
    }
    updateProgress(100, 100, false, texts::RadioNotFound);
    Statusoutput(texts::RadioNotFound);
    return false;
}

} // namespace clonelink
