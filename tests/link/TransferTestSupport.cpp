#include "TransferTestSupport.h"

#include "link/ProgressBox.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>

void TransferTest::SetUp() {
    LinkTest::SetUp();
    setReceiveWindows(Windows::Roomy);
    radio = &addRadio();
    mapPort(1, *radio);
    setSaved(1, false);
    dialogs = std::make_unique<ScriptedResponder>();
}

void TransferTest::TearDown() {
    dialogs.reset();
    LinkTest::TearDown();
}

void TransferTest::armRun(const std::function<void(QDialog&)>& prepare) {
    armed = true;
    dialogs->runModal([this, prepare](QDialog& window) {
        auto* bar = window.findChild<clonelink::ProgressBox*>(QStringLiteral("tbflood"));
        QObject::connect(bar, &clonelink::ProgressBox::drawn,
                         [this](const QString& text, int value, int) {
                             barTexts.append(text);
                             barValues.append(value);
                         });
        if (prepare)
            prepare(window);
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        armed = false;
        stayedOpen = window.isVisible();
        if (stayedOpen)
            window.reject();
    });
}

void TransferTest::onLine(QDialog& window, const QString& tail, const std::function<void()>& action,
                          int nth) {
    auto* details = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    auto seen = std::make_shared<int>(0);
    auto lastSeen = std::make_shared<int>(-1);
    QObject::connect(details, &QPlainTextEdit::textChanged, details,
                     [details, tail, action, nth, seen, lastSeen] {
                         // Each status line ends with a line break, so the newest
                         // line is the block before the last, empty one.
                         const QTextBlock block = details->document()->lastBlock().previous();
                         if (*seen >= nth || block.blockNumber() == *lastSeen ||
                             !block.text().contains(tail))
                             return;
                         *lastSeen = block.blockNumber();
                         if (++*seen == nth)
                             action();
                     });
}

void TransferTest::cancelAfterLine(QDialog& window, const QString& tail, int nth, CloseBy how) {
    onLine(
        window, tail,
        [&window, how] {
            QTimer::singleShot(0, &window, [&window, how] {
                if (how == CloseBy::CancelButton) {
                    window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
                } else if (how == CloseBy::CloseBox) {
                    window.close();
                } else {
                    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                    QCoreApplication::sendEvent(&window, &esc);
                }
            });
        },
        nth);
}

void TransferTest::clickLater(QDialog& window, const char* button) {
    QTimer::singleShot(0, &window, [&window, button] {
        window.findChild<QPushButton*>(QLatin1String(button))->click();
    });
}

void TransferTest::restart() {
    radio->clearRecord();
    radio->clearFaults();
    barTexts.clear();
    main.calls.clear();
    dialogs.reset(); // the old responder must be gone before the new one takes over
    dialogs = std::make_unique<ScriptedResponder>();
}

void TransferTest::expectIdle(const clonelink::LinkCore& link) {
    EXPECT_FALSE(link.portOpen());
    EXPECT_FALSE(link.logOpen());
    EXPECT_FALSE(link.busy());
}

void TransferTest::loadImage(const QByteArray& radioPart) {
    QByteArray bytes = ImagePattern();
    bytes.replace(0, radioPart.size(), radioPart);
    main.image.Sbyt(bytes);
    main.image.SaveFile(tempPath(QStringLiteral("document.uvd")));
}

QStringList TransferTest::frameNames() const {
    QStringList names;
    for (const radiosim::Frame& frame : radio->frames()) {
        QString name = radiosim::FrameKindName(frame.kind);
        if (frame.address >= 0)
            name += QLatin1Char(' ') + Address(frame.address);
        names << name;
    }
    return names;
}

QByteArray ImagePattern() {
    QByteArray bytes(12288, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 13 + 5) & 0xFF);
    return bytes;
}

QString Address(int address) {
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}
