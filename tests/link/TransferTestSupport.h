#pragma once
// Shared by the read and write window tests: a fake main window holding a real
// image, one simulated radio on the saved port 1 (detection off), the window
// run modally through the dialog service with Read or Write clicked once it
// shows, and the progress bar's drawings.

#include "FakeMainWindow.h"
#include "LinkTestSupport.h"
#include "support/ScriptedResponder.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <memory>

namespace clonelink {
class ProgressBox;
}

class TransferTest : public LinkTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Arms the next modal window: follows its progress bar, runs prepare,
    // clicks its Command1, notes whether it stayed open and, if it did,
    // closes it as the user would. The run helpers of the tests arm it
    // themselves unless the test did so first (to arm message boxes after it).
    void armRun(const std::function<void(QDialog&)>& prepare = {});
    // Once the nth line holding tail reaches the details box, Cancel is
    // clicked at the next turn of the event loop.
    static void cancelAfterLine(QDialog& window, const QString& tail, int nth = 1);
    // The same, with the window's close box or the Esc key instead.
    enum class CloseBy { CancelButton, CloseBox, EscKey };
    static void closeAfterLine(QDialog& window, const QString& tail, CloseBy how);
    // Once the nth line holding tail reaches the details box, runs action.
    static void onLine(QDialog& window, const QString& tail, const std::function<void()>& action,
                       int nth = 1);

    // The image the fake document holds: a pattern over all 12,288 bytes,
    // saved so that the document counts as unchanged.
    void loadImage(const QByteArray& radioPart);
    QByteArray imageBytes() const { return main.image.GetBytArry().left(12288); }

    // Frames the radio saw, as "probe", "identify", "ack", "read 0970",
    // "write 0010", ...
    QStringList frameNames() const;

    FakeMainWindow main;
    std::unique_ptr<ScriptedResponder> dialogs;
    radiosim::RadioSim* radio = nullptr;
    bool armed = false;
    bool stayedOpen = false;
    QStringList barTexts;
    QList<int> barValues;
};

// A recognisable 12,288-byte pattern that differs from the radio's memory.
QByteArray ImagePattern();
