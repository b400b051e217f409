// The CSV import as the user waits for it: the file read, 128 channel lines
// into the memory grid, then the grid through the image and back.

#include "BenchImages.h"
#include "document/frmDocument.h"
#include "image/clsVUROVA.h"
#include "platform/core/Codec.h"
#include "platform/core/WholeFile.h"
#include "platform/widgets/FlexGrid.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Every channel with a name, both frequencies, tones and quoted notes.
QString FullCsvFile(const QTemporaryDir& dir) {
    QString text = QStringLiteral(
        "#,Name,RX Freq,TX Freq,Decode,Encode,TX Pwr,Scan,TX Dev,Busy Lck,Group/Notes\r\n");
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch) {
        const double rx = 144.0 + ch * 0.0125;
        text +=
            QStringLiteral("%1,CH%1,%2,%3,88.5,D023N,HIGH,ON,WIDE,OFF,\"Notes, channel %1\"\r\n")
                .arg(ch)
                .arg(rx, 0, 'f', 4)
                .arg(rx + 0.6, 0, 'f', 4);
    }
    const QString path = dir.filePath(QStringLiteral("channels.csv"));
    platform::WriteWholeFile(path, platform::TextToBytes(text));
    return path;
}

void BM_ImportCSV128Lines(benchmark::State& state) {
    QTemporaryDir dir;
    frmDocument doc;
    doc.show();
    doc.Image().OpenFile(EmptyImageFile(dir));
    doc.Initgrid();
    doc.FillGrid();
    const QString csv = FullCsvFile(dir);
    for (auto _ : state)
        doc.ImportCSV(csv);
    if (doc.MSFlexGrid1(frmDocument::MemoryGrid)->textMatrix(128, 1) != QStringLiteral("CH128"))
        state.SkipWithError("the import did not fill the last row");
    doc.setCaption(QString());
}
BENCHMARK(BM_ImportCSV128Lines)->Unit(benchmark::kMillisecond);

} // namespace
