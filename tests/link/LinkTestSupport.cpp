#include "LinkTestSupport.h"

#include "link/TransferFiles.h"
#include "platform/core/CommPort.h"
#include "platform/core/Settings.h"

#include <QRegularExpression>

// The line with its leading time stamp "0.0000" replaced by "T".
static QString StripStamp(const QString& line) {
    static const QRegularExpression stamp(QStringLiteral("^\\d+\\.\\d{4}(?=   )"));
    QString out = line;
    return out.replace(stamp, QStringLiteral("T"));
}

void LinkTest::SetUp() {
    TempDirTest::SetUp();
    for (int n = platform::FirstPortNumber; n <= platform::LastPortNumber; ++n)
        mapPort(n, missingPath(n));
    clonelink::SetTransferFolder(tempDir.path());
    setReceiveWindows(Windows::Program);
    QObject::connect(&progress, &clonelink::ProgressBox::drawn,
                     [this](const QString& text, int value, int) {
                         progressTexts.append(text);
                         progressValues.append(value);
                     });
}

void LinkTest::TearDown() {
    for (const auto& radio : radios) {
        radio->stop();
        EXPECT_EQ(radio->violations(), QStringList()) << "the radio saw a forbidden frame";
    }
    clonelink::SetTransferFolder(QString());
    clonelink::SetTimingScale({});
}

void LinkTest::setReceiveWindows(Windows windows) {
    static constexpr double Scale[] = {0.1, 1.0, 4.0, 10.0};
    clonelink::SetTimingScale({0.002, Scale[static_cast<int>(windows)]});
}

radiosim::RadioSim& LinkTest::addRadio() {
    radios.push_back(std::make_unique<radiosim::RadioSim>());
    radios.back()->start();
    return *radios.back();
}

void LinkTest::mapPort(int number, const QString& path) {
    platform::SaveSetting(QStringLiteral("PortMap"),
                          QStringLiteral("COM") + QString::number(number), path);
}

QString LinkTest::missingPath(int number) const {
    return tempDir.filePath(QStringLiteral("no-such-tty%1").arg(number));
}

void LinkTest::setSaved(int port, bool autoDetect) {
    platform::SaveSetting(QStringLiteral("Settings"), QStringLiteral("CommPort"),
                          QString::number(port));
    platform::SaveSetting(QStringLiteral("Settings"), QStringLiteral("AutoDetect"),
                          autoDetect ? QStringLiteral("1") : QStringLiteral("0"));
}

std::unique_ptr<clonelink::LinkCore> LinkTest::makeCore(const clonelink::LinkOptions& options) {
    return std::make_unique<clonelink::LinkCore>(options, &details, &progress);
}

QStringList LinkTest::logLines(const QString& name) const {
    const QByteArray bytes = ReadFileBytes(tempDir.filePath(name));
    if (bytes.isEmpty())
        return {};
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

QStringList LinkTest::logShape(const QString& name) const {
    QStringList shape;
    for (const QString& line : logLines(name))
        shape.append(StripStamp(line));
    return shape;
}

QString Hex(const QByteArray& data) {
    return QString::fromLatin1(data.toHex(' ').toUpper());
}
