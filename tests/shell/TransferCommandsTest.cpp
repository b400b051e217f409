// Transfer > Read and Write through the real main window with real documents,
// over a pseudo-terminal mapped through "PortMap" against the simulated radio.

#include "ShellFixture.h"

#include "image/clsVUROVA.h"
#include "link/LinkCore.h"
#include "link/TransferFiles.h"
#include "platform/core/CommPort.h"
#include "platform/core/Settings.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"
#include "program/ProgramValues.h"
#include "radiosim/RadioSim.h"
#include "support/TestBytes.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using radiosim::FrameKind;

namespace {

const QString RadioReport =
    QStringLiteral("Memories in file with frequencies outside of the radio band limits:");
const QString CheckFailedBox = QStringLiteral(
    "Cannot write to radio: Some memory channels or the VFOs in the file contain frequencies "
    "that are outside of the band limits programmed into the radio.\r\n\r\n"
    "There are two ways this can be corrected: \r\n\r\n"
    "   1) Edit the memories and VFOs so that they are within the band limits in the radio.\r\n\r\n"
    "   2) Write new band limits to the radio that match the file data.");

const std::array<int, 8> WideLimits = {136, 174, 400, 480, 136, 174, 400, 480};
const std::array<int, 8> NarrowLimits = {144, 148, 420, 450, 144, 148, 430, 440};

constexpr int LimitBlock = 0x0970;

// What the radio holds at first: two channels and both VFOs, the usual limits.
QByteArray RadioMemory() {
    clsVUROVA image;
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch)
        image.BlankMemory(ch);
    for (int i = 0; i < 8; ++i)
        image.setBandLimit(i, QString::number(WideLimits.at(static_cast<size_t>(i))));
    image.setRXFrequency(3, QStringLiteral("147.3"));
    image.setTXFrequency(3, QStringLiteral("147.9"));
    image.setName(3, QStringLiteral("RADIO3"));
    image.setRXFrequency(40, QStringLiteral("439.1"));
    image.setTXFrequency(40, QStringLiteral("431.5"));
    image.setRXFrequency(clsVUROVA::VfoA, QStringLiteral("146.52"));
    image.setRXFrequency(clsVUROVA::VfoB, QStringLiteral("446"));
    return image.GetBytArry().left(radiosim::MemorySize);
}

} // namespace

class TransferCommandsTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // No test ever opens a real serial device: every number points at a
        // path that does not exist, number 1 at the radio.
        for (int n = platform::FirstPortNumber; n <= platform::LastPortNumber; ++n)
            MapPort(n, tempPath(QStringLiteral("no-tty%1").arg(n)));
        radio.setMemory(RadioMemory());
        radio.start();
        MapPort(1, radio.slavePath());
        platform::SaveSetting("Settings", "CommPort", "1");
        platform::SaveSetting("Settings", "AutoDetect", "0");
        clonelink::SetTransferFolder(tempDir.path());
        // Receive windows ten times the program's, so that a busy machine
        // never turns a prompt answer into a time-out; the pauses are short.
        clonelink::SetTimingScale({0.002, 10.0});
    }

    void TearDown() override {
        ShellTest::TearDown();
        radio.stop();
        EXPECT_EQ(radio.violations(), QStringList());
        clonelink::SetTransferFolder(QString());
        clonelink::SetTimingScale({});
    }

    static void MapPort(int number, const QString& path) {
        platform::SaveSetting(QStringLiteral("PortMap"), QStringLiteral("COM%1").arg(number), path);
    }

    // The next transfer window gets its Read or Write button clicked once it
    // shows; whether it closed by itself is noted.
    void ArmTransfer() {
        dialogs.runModal([this](QDialog& window) {
            windowTitle = window.windowTitle();
            window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            stayedOpen = window.isVisible();
            if (stayedOpen)
                window.reject();
        });
    }

    void Read() {
        ArmTransfer();
        main->mnuRead_Click();
        Settle();
    }

    // The band-limit prompt, when given, is answered with its Yes (Command1)
    // or No (Command2); messages after it with OK.
    void Write(const char* promptButton = nullptr, int messages = 0) {
        ArmTransfer();
        if (promptButton)
            dialogs.runModal([promptButton](QDialog& prompt) {
                prompt.findChild<QPushButton*>(QLatin1String(promptButton))->click();
            });
        for (int i = 0; i < messages; ++i)
            dialogs.answerMessage(platform::vbOK);
        main->mnuWrite_Click();
        Settle();
    }

    // A document read from the radio, channels 3 and 7 edited.
    IDocument* ReadAndEdit() {
        Start();
        Read();
        IDocument* document = main->ActiveDocument();
        SetChannel(document, 3, QStringLiteral("145.5"), QStringLiteral("145.5"));
        SetChannel(document, 7, QStringLiteral("145.65"), QStringLiteral("145.05"));
        return document;
    }

    QStringList WriteAddresses() const {
        QStringList addresses;
        for (const radiosim::Frame& frame : radio.framesOf(FrameKind::Write))
            addresses << QString::number(frame.address, 16).toUpper();
        return addresses;
    }

    // The radio holds the document's image from 0x0010 on; the band-limit
    // block only when it was written, block 0 never.
    void ExpectRadioHolds(IDocument* document, bool withLimits) {
        const QByteArray radioNow = radio.memory();
        const QByteArray image = WindowOf(document).GetBytArry().left(radiosim::MemorySize);
        EXPECT_EQ(radioNow.left(16), radioBefore.left(16));
        EXPECT_EQ(radioNow.mid(16, LimitBlock - 16), image.mid(16, LimitBlock - 16));
        EXPECT_EQ(radioNow.mid(LimitBlock, 16),
                  (withLimits ? image : radioBefore).mid(LimitBlock, 16));
        EXPECT_EQ(radioNow.mid(LimitBlock + 16), image.mid(LimitBlock + 16));
    }

    // The user's way through a menu: it drops down, and a click on the item
    // closes it and runs the item.
    void RunFromMenu(const char* menu, const char* item) {
        QMenu* top = main->TopMenu(QLatin1String(menu));
        top->popup(QPoint());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
        const QRect place = top->actionGeometry(main->MenuItem(QLatin1String(item)));
        QTest::mouseClick(top, Qt::LeftButton, {}, place.center());
        Settle();
        ASSERT_FALSE(top->isVisible());
    }

    radiosim::RadioSim radio;
    QByteArray radioBefore;
    QString windowTitle;
    bool stayedOpen = false;
};

// --- read ---

TEST_F(TransferCommandsTest, ReadIntoAFileWindowOpensANewChangedDocument) {
    const QString path = UvdFile();
    Start(path);
    IDocument* fileDocument = main->ActiveDocument();
    const QByteArray fileImage = WindowOf(fileDocument).GetBytArry();

    Read();

    EXPECT_EQ(windowTitle, QStringLiteral("Read From KG-UV"));
    EXPECT_FALSE(stayedOpen);
    ASSERT_EQ(Captions(), QStringList({path, QStringLiteral("KG-UV File 2")}));
    IDocument* read = main->ActiveDocument();
    EXPECT_EQ(read->Caption(), QStringLiteral("KG-UV File 2"));
    EXPECT_EQ(WindowOf(read).GetBytArry().left(radiosim::MemorySize), radio.memory());
    EXPECT_EQ(Cell(read, 3, 1), QStringLiteral("RADIO3"));
    EXPECT_EQ(Cell(read, 3, 2), QStringLiteral("147.300"));
    EXPECT_EQ(Cell(read, 40, 3), QStringLiteral("431.500"));
    EXPECT_TRUE(read->MSFlexGrid1(0)->isEnabled());
    EXPECT_TRUE(Enabled(QStringLiteral("mnuWrite")));
    EXPECT_TRUE(read->IsDataChanged());

    EXPECT_EQ(WindowOf(fileDocument).GetBytArry(), fileImage);
    EXPECT_FALSE(fileDocument->IsDataChanged());
    EXPECT_TRUE(radio.framesOf(FrameKind::Write).isEmpty());
}

TEST_F(TransferCommandsTest, ReadOverAChangedDocumentAsksFirst) {
    IDocument* document = ReadAndEdit();
    const int framesBefore = static_cast<int>(radio.frames().size());

    // Cancel, or a save the user asked for that did not happen, ends the command.
    dialogs.answerMessage(platform::vbCancel);
    main->mnuRead_Click();
    dialogs.answerMessage(platform::vbYes).cancelSaveFile();
    main->mnuRead_Click();
    EXPECT_EQ(dialogs.pending(), 0);
    EXPECT_EQ(static_cast<int>(radio.frames().size()), framesBefore);
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 1")});
    EXPECT_EQ(Cell(document, 3, 2), QStringLiteral("145.5"));

    // Saved at the prompt, it now holds a file: the read goes to a new window.
    const QString path = tempPath(QStringLiteral("saved.uvd"));
    dialogs.answerMessage(platform::vbYes).answerSaveFile(path);
    Read();
    ASSERT_EQ(Captions(), QStringList({path, QStringLiteral("KG-UV File 2")}));
    EXPECT_FALSE(document->IsDataChanged());
    EXPECT_EQ(Cell(document, 3, 2), QStringLiteral("145.5"));
    IDocument* read = main->ActiveDocument();
    EXPECT_EQ(Cell(read, 3, 2), QStringLiteral("147.300"));

    // No reads into the same window.
    SetChannel(read, 3, QStringLiteral("145.5"), QStringLiteral("145.5"));
    dialogs.answerMessage(platform::vbNo);
    Read();
    EXPECT_EQ(dialogs.messages(), QStringList(3, QStringLiteral("KG-UV File 1") + Changed)
                                      << QStringLiteral("KG-UV File 2") + Changed);
    EXPECT_EQ(Captions(), QStringList({path, QStringLiteral("KG-UV File 2")}));
    EXPECT_EQ(Cell(read, 3, 2), QStringLiteral("147.300"));
}

TEST_F(TransferCommandsTest, FailedReadLeavesTheTargetUntouched) {
    clonelink::SetTimingScale({0.002, 1.0}); // the program's windows: one is waited out
    Start();
    radio.setFault(FrameKind::Read, radiosim::Fault::Silent(), 5);
    Read();
    EXPECT_TRUE(stayedOpen);
    IDocument* document = main->ActiveDocument();
    EXPECT_FALSE(document->IsDataChanged());
    EXPECT_FALSE(document->MSFlexGrid1(0)->isEnabled());
    EXPECT_FALSE(Enabled(QStringLiteral("mnuWrite")));
}

// --- write, on each band-limit path ---

class WriteCommandTest : public TransferCommandsTest {
protected:
    void SetRadioLimits(const std::array<int, 8>& limits) {
        radio.setBandLimits(limits);
        radioBefore = radio.memory();
        radio.clearRecord();
    }
};

TEST_F(WriteCommandTest, SameLimitsWriteTheImageWithoutTheLimitBlock) {
    IDocument* document = ReadAndEdit();
    SetRadioLimits(WideLimits);
    Write();
    EXPECT_EQ(windowTitle, QStringLiteral("Write To KG-UV"));
    EXPECT_FALSE(stayedOpen);
    ExpectRadioHolds(document, false);
    EXPECT_EQ(WriteAddresses().size(), 510);
    EXPECT_FALSE(WriteAddresses().contains(QStringLiteral("970")));
    clsVUROVA written;
    written.Sbyt(radio.memory());
    EXPECT_EQ(written.RXFrequency(7), QStringLiteral("145.650"));
    EXPECT_EQ(written.TXFrequency(7), QStringLiteral("145.050"));
    EXPECT_EQ(Report(), QString());
}

TEST_F(WriteCommandTest, AlwaysWriteLimitsSendsTheLimitBlockFirstUnasked) {
    IDocument* document = ReadAndEdit();
    SetRadioLimits(NarrowLimits);
    platform::SaveSetting("Settings", "AlwaysWriteLimits", "1");
    Write();
    ExpectRadioHolds(document, true);
    ASSERT_EQ(WriteAddresses().size(), 511);
    EXPECT_EQ(WriteAddresses().first(), QStringLiteral("970"));
    EXPECT_TRUE(radio.framesOf(FrameKind::Read).isEmpty());
}

TEST_F(WriteCommandTest, DifferentLimitsAnsweredYesWriteTheDocumentsLimits) {
    IDocument* document = ReadAndEdit();
    SetRadioLimits(NarrowLimits);
    Write("Command1");
    ExpectRadioHolds(document, true);
    EXPECT_EQ(WriteAddresses().first(), QStringLiteral("970"));
    EXPECT_EQ(Report(), QString());
}

TEST_F(WriteCommandTest, DifferentLimitsAnsweredNoWithEverythingInsideKeepTheRadiosLimits) {
    IDocument* document = ReadAndEdit(); // channels 3 and 7 inside the narrow limits too
    SetChannel(document, 40, QString(), QString());
    SetRadioLimits(NarrowLimits);
    // The VFOs must lie inside the radio's limits as well.
    platform::FlexGrid* vfo = document->MSFlexGrid1(2);
    vfo->setTextMatrix(2, 1, QStringLiteral("145.5"));
    vfo->setTextMatrix(2, 2, QStringLiteral("435"));

    Write("Command2");

    EXPECT_FALSE(stayedOpen);
    ExpectRadioHolds(document, false);
    EXPECT_EQ(WriteAddresses().size(), 510);
    EXPECT_EQ(Report(), QString());
}

TEST_F(WriteCommandTest, DifferentLimitsAnsweredNoListTheMemoriesOutsideTheRadiosLimits) {
    IDocument* document = ReadAndEdit();
    SetChannel(document, 5, QStringLiteral("160"), QStringLiteral("160"));
    SetChannel(document, 17, QStringLiteral("470"), QStringLiteral("470"));
    SetRadioLimits(NarrowLimits);

    Write("Command2", 1);

    EXPECT_EQ(dialogs.messages(), QStringList{CheckFailedBox});
    EXPECT_FALSE(stayedOpen);
    EXPECT_TRUE(radio.framesOf(FrameKind::Write).isEmpty());
    EXPECT_EQ(radio.memory(), radioBefore);
    // Channels 3 and 7 lie inside 144-148, channel 40 (439.1/431.5) inside the
    // narrow band 2.
    EXPECT_EQ(Report(), RadioReport + QStringLiteral("\n5,17"));
}

TEST_F(WriteCommandTest, MemoryOutsideTheDocumentsOwnLimitsNeverOpensTheWriteWindow) {
    IDocument* document = ReadAndEdit();
    SetChannel(document, 9, QStringLiteral("300"), QStringLiteral("300"));
    SetRadioLimits(WideLimits);
    dialogs.answerMessage(platform::vbOK);
    main->mnuWrite_Click();
    Settle();
    ASSERT_EQ(dialogs.shown().size(), 2); // the read window, then the warning
    EXPECT_TRUE(dialogs.messages().first().startsWith(
        QStringLiteral("Warning: some memory channels contain frequencies")));
    EXPECT_TRUE(radio.frames().isEmpty());
    EXPECT_EQ(Report(), QStringLiteral("Memories with frequencies outside of the band limits:\n9"));
}

TEST_F(WriteCommandTest, VfoDefaultsSetByTheCheckReachTheRadio) {
    IDocument* document = ReadAndEdit();
    SetRadioLimits(WideLimits);
    document->MSFlexGrid1(2)->setTextMatrix(2, 1, QStringLiteral("300"));
    dialogs.answerMessage(platform::vbOK);
    Write();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().endsWith(QStringLiteral("Default values set.")));
    const QString corrected = document->MSFlexGrid1(2)->textMatrix(2, 1);
    EXPECT_NE(corrected, QStringLiteral("300"));
    clsVUROVA written;
    written.Sbyt(radio.memory());
    EXPECT_EQ(written.RXFrequency(clsVUROVA::VfoA), corrected);
    ExpectRadioHolds(document, false);
}

// --- the menu items and toolbar buttons reach the commands ---

// A toolbar button closes the editor as opening the menu does, so a new row
// typed into with its editor still open gets its defaults (TX, Scan ON, ...)
// before Save or Write, from either place.
TEST_F(TransferCommandsTest, ToolbarSaveAndWriteStoreWhatTheirMenuItemsStore) {
    const QString path = UvdFile();
    Start(path);
    IDocument* document = main->ActiveDocument();
    const auto record = [](const QByteArray& bytes, int channel) {
        return bytes.mid(16 * channel, 16);
    };
    const QByteArray rxAndTx = Bytes({0x00, 0x00, 0x55, 0x14, 0x00, 0x00, 0x55, 0x14});
    constexpr char ScanBit = 0x40;

    TypeIntoCell(document, 10, 2, QStringLiteral("145.5"));
    RunFromMenu("mnuFile", "mnuFileSave");
    TypeIntoCell(document, 11, 2, QStringLiteral("145.5"));
    main->tbButton(3)->trigger(); // "Save"
    Settle();

    const QByteArray saved = ReadFileBytes(path);
    EXPECT_EQ(record(saved, 10).left(8), rxAndTx);
    EXPECT_TRUE(record(saved, 10).at(13) & ScanBit);
    EXPECT_EQ(record(saved, 11), record(saved, 10));

    radioBefore = radio.memory();
    TypeIntoCell(document, 12, 2, QStringLiteral("145.5"));
    ArmTransfer();
    RunFromMenu("mnuTransfer", "mnuWrite");
    EXPECT_EQ(windowTitle, QStringLiteral("Write To KG-UV"));
    TypeIntoCell(document, 13, 2, QStringLiteral("145.5"));
    ArmTransfer();
    main->tbButton(19)->trigger(); // "Write To Radio"
    Settle();
    const QByteArray written = radio.memory();
    EXPECT_EQ(record(written, 12).left(8), rxAndTx);
    EXPECT_TRUE(record(written, 12).at(13) & ScanBit);
    EXPECT_EQ(record(written, 13), record(written, 12));
    EXPECT_EQ(dialogs.messages(), QStringList());
}

// With no document open, the read opens one.
TEST_F(TransferCommandsTest, MenuItemsAndToolbarButtonsRunTheCommands) {
    Start();
    main->ActiveDocument()->CloseMe();
    Settle();
    QStringList shown;
    dialogs.answerModal([&](QDialog& d) {
        shown << d.objectName();
        return QDialog::Rejected;
    });
    main->MenuItem(QStringLiteral("mnuPort"))->trigger();
    ArmTransfer();
    main->tbButton(18)->trigger(); // "Read From Radio"
    Settle();
    EXPECT_EQ(shown, QStringList{QStringLiteral("frmCommPort")});
    EXPECT_EQ(windowTitle, QStringLiteral("Read From KG-UV"));
    EXPECT_EQ(Captions(), QStringList{QStringLiteral("KG-UV File 2")});
    IDocument* document = main->ActiveDocument();
    EXPECT_EQ(WindowOf(document).GetBytArry().left(radiosim::MemorySize), radio.memory());

    radioBefore = radio.memory();
    SetChannel(document, 7, QStringLiteral("145.65"), QStringLiteral("145.05"));
    ArmTransfer();
    main->tbButton(19)->trigger(); // "Write To Radio"
    Settle();
    EXPECT_EQ(windowTitle, QStringLiteral("Write To KG-UV"));
    ExpectRadioHolds(document, false);

    dialogs.answerModal([&](QDialog& d) {
        shown << d.objectName();
        return QDialog::Rejected;
    });
    main->MenuItem(QStringLiteral("mnuEditBandLimits"))->trigger();
    EXPECT_EQ(shown.last(), QStringLiteral("frmBandLimits"));
}

// In the main window's first-start size, every new window shows its whole
// title bar: the one a read opens, three from File > New, and the one File >
// Open makes when no window is left.
TEST_F(TransferCommandsTest, NewWindowsShowTheirTitleBarsInTheWorkspace) {
    const QString path = UvdFile();
    Start(path);
    ASSERT_EQ(main->size(), QSize(666, 470));
    const auto expectTitleBarShown = [&](const QString& how) {
        Settle();
        QMdiSubWindow* frame = main->MdiArea()->subWindowList(QMdiArea::CreationOrder).constLast();
        const int titleBar = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
        const QRect bar(frame->geometry().topLeft(), QSize(frame->width(), titleBar));
        const QRect workspace = main->MdiArea()->viewport()->rect();
        EXPECT_TRUE(workspace.contains(bar))
            << how.toStdString() << ": title bar " << bar.x() << "," << bar.y() << " "
            << bar.width() << "x" << bar.height() << " in " << workspace.width() << "x"
            << workspace.height();
    };

    Read();
    ASSERT_EQ(main->Documents().size(), 2u);
    expectTitleBarShown(QStringLiteral("read"));
    for (int i = 1; i <= 3; ++i) {
        main->mnuFileNew_Click();
        expectTitleBarShown(QStringLiteral("new %1").arg(i));
    }
    // Unchanged windows close without asking; the read one is changed.
    dialogs.answerMessage(platform::vbNo);
    while (!main->Documents().empty()) {
        main->mnuFileClose_Click();
        Settle();
    }
    dialogs.answerOpenFile(path);
    main->mnuFileOpen_Click();
    expectTitleBarShown(QStringLiteral("open"));
    EXPECT_EQ(Captions(), QStringList{path});
}
