#pragma once
// Shared by the link tests: every port number 1-16 mapped to a path that does
// not exist (so no test ever opens a real serial device), the transfer files
// in the test's own folder, shortened pauses, and simulated radios on
// pseudo-terminals that must see no forbidden frame.

#include "link/LinkCore.h"
#include "radiosim/RadioSim.h"
#include "support/TestBytes.h"
#include "support/TestUtil.h"

#include <QList>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <memory>

class LinkTest : public TempDirTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The receive windows against the program's own (1 s for the probe and
    // the read, 0.25 s for the write). A busy machine may hold an answer back
    // for a good part of a second, so Roomy (ten times) serves where every
    // answer comes. A test that waits windows out takes Program for the probe
    // and the read, Wide (four times, a second) for the write; Short only
    // where no radio answers at all, so that waiting costs little. The pauses
    // stay short.
    enum class Windows { Short, Program, Wide, Roomy };
    static void setReceiveWindows(Windows windows);
    // A started radio on a pseudo-terminal of its own.
    radiosim::RadioSim& addRadio();
    void mapPort(int number, const QString& path);
    void mapPort(int number, const radiosim::RadioSim& radio) {
        mapPort(number, radio.slavePath());
    }
    QString missingPath(int number) const;
    void setSaved(int port, bool autoDetect);

    // A core with the read window's options, its details box and progress box.
    std::unique_ptr<clonelink::LinkCore> makeCore(const clonelink::LinkOptions& options = {});
    // The log's lines (CR LF ends each line, the last one included).
    QStringList logLines(const QString& name = QStringLiteral("read.log")) const;
    // The log's lines with their leading time stamp replaced by "T".
    QStringList logShape(const QString& name = QStringLiteral("read.log")) const;

    QPlainTextEdit details;
    clonelink::ProgressBox progress;
    QStringList progressTexts;
    QList<int> progressValues;
    std::vector<std::unique_ptr<radiosim::RadioSim>> radios;
};

// The bytes as the logs spell them: "06 4B 47".
QString Hex(const QByteArray& data);

// Log lines (stamp stripped) that several tests expect.
inline const QString ProbeTxShape = QStringLiteral("T   TX --> [09]    48 69 57 4F 55 58 55 4E 02");
inline const QString NoResponseShape = QStringLiteral("T   RX --> [00]    No Response");
