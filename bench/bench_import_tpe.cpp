// The TravelPlus import as a user waits for it: a list of 128 repeaters read,
// every memory row written, the grids saved into the image and filled again.

#include "BenchImages.h"
#include "document/frmDocument.h"
#include "document/frmStatus.h"
#include "image/clsVUROVA.h"
#include "platform/core/WholeFile.h"
#include "platform/widgets/Dialogs.h"
#include "program/ProgramValues.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Answers the import's options dialog with the options already in the
// program-wide values, as if OK had been pressed on them, and closes the error
// log unread: filling the last memory always logs that the memories ran out.
// Anything else is left to the run's unexpected-dialog handler, which stops it.
class OptionsAccepted : public platform::DialogResponder {
public:
    OptionsAccepted() : previous_(platform::SetDialogResponder(this)) {}
    ~OptionsAccepted() override { platform::SetDialogResponder(previous_); }
    OptionsAccepted(const OptionsAccepted&) = delete;
    OptionsAccepted& operator=(const OptionsAccepted&) = delete;

    bool message(const platform::DialogCall&, int&) override { return false; }
    bool file(const platform::DialogCall&, platform::FileDialogResult&) override { return false; }
    bool color(const platform::DialogCall&, std::optional<int32_t>&) override { return false; }
    bool font(const platform::DialogCall&, std::optional<QFont>&) override { return false; }
    bool print(const platform::DialogCall&, QPrinter&, bool&) override { return false; }
    bool popup(const platform::DialogCall&, QMenu&, QAction*&) override { return false; }
    bool modal(const platform::DialogCall& call, QDialog& dialog, bool& runForReal,
               int& result) override {
        if (call.objectName == QLatin1String("frmStatus"))
            log = static_cast<frmStatus&>(dialog).Text1()->toPlainText();
        else if (call.objectName != QLatin1String("frmTravelPlus"))
            return false;
        runForReal = false;
        result = 1;
        return true;
    }

    QString log; // the last error log, line ends as the text box shows them

private:
    platform::DialogResponder* previous_;
};

// 128 repeaters on the 2 m and 70 cm bands, with shifts, tones and quoted
// names, every one importable.
QString RepeaterList(const QTemporaryDir& dir) {
    QByteArray text = "Sequence Number,Country,State,Region,Location,Output Frequency,Input "
                      "Frequency,Call Sign,Repeater Notes,CTCSS Tones,Sponsor\r\n";
    for (int i = 1; i <= clsVUROVA::ChannelCount; ++i) {
        const bool twoMetres = i % 2 != 0;
        const double mhz = twoMetres ? 145.0 + i * 0.0125 : 440.0 + i * 0.025;
        text += QStringLiteral("%1,US,ST,\"County %1, North\",Town %1,%2,%3,W%1ABC,open,%4,"
                               "Radio Club %1\r\n")
                    .arg(i)
                    .arg(mhz, 0, 'f', 4)
                    .arg(twoMetres ? QStringLiteral("-") : QStringLiteral("+"))
                    .arg(i % 3 ? QStringLiteral("100.0") : QString())
                    .toLatin1();
    }
    const QString path = dir.filePath(QStringLiteral("repeaters.tpe"));
    platform::WriteWholeFile(path, text);
    return path;
}

void BM_TravelPlusImport128(benchmark::State& state) {
    QTemporaryDir dir;
    frmDocument doc;
    doc.show();
    if (!doc.OpenFile(EmptyImageFile(dir))) {
        state.SkipWithError("the empty image did not open");
        return;
    }
    const QString list = RepeaterList(dir);
    OptionsAccepted options;
    ProgramValues& program = Program();
    program.TpeNameSource = 0;
    program.TpeNotesSource = 2;
    program.TpeStartRow = 1;
    program.TpeImportFM = true;
    for (auto _ : state)
        doc.TravelPlus(list);
    if (!doc.IsRowUsed(clsVUROVA::ChannelCount) ||
        options.log != QLatin1String("File data exceeded available memories.\n"))
        state.SkipWithError("the list was not imported whole");
    doc.setCaption(QString());
}
BENCHMARK(BM_TravelPlusImport128)->Unit(benchmark::kMillisecond);

} // namespace
