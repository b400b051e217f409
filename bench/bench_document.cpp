// What users wait for in the document window: building and filling the grids
// after a file is opened or the radio read, and writing the grids back into
// the image before every save, export and write to the radio.

#include "BenchImages.h"
#include "document/frmDocument.h"
#include "image/clsVUROVA.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Every channel in use, with tones, a name and notes.
QString FullImageFile(const QTemporaryDir& dir) {
    clsVUROVA image;
    image.Sbyt(QByteArray(clsVUROVA::RadioSize, '\xFF'));
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch) {
        image.setRXFrequency(ch, QString::number(144.0 + ch * 0.0125, 'f', 4));
        image.setTXFrequency(ch, QString::number(144.6 + ch * 0.0125, 'f', 4));
        image.setDecode(ch, ch % 2 ? QStringLiteral("88.5") : QStringLiteral("D023N"));
        image.setEncode(ch, ch % 3 ? QStringLiteral("OFF") : QStringLiteral("D754I"));
        image.setName(ch, QStringLiteral("CH%1").arg(ch));
        image.setGroup(ch, QStringLiteral("Repeater notes for channel %1").arg(ch));
    }
    SetUsualBandsAndVfos(image);
    const QString path = dir.filePath(QStringLiteral("full.uvd"));
    image.SaveFile(path);
    return path;
}

void BM_InitgridAndFillGrid(benchmark::State& state) {
    QTemporaryDir dir;
    frmDocument doc;
    doc.show();
    doc.Image().OpenFile(FullImageFile(dir));
    for (auto _ : state) {
        doc.Initgrid();
        doc.FillGrid();
    }
    doc.setCaption(QString());
}
BENCHMARK(BM_InitgridAndFillGrid)->Unit(benchmark::kMillisecond);

void BM_SaveGrid(benchmark::State& state) {
    QTemporaryDir dir;
    frmDocument doc;
    doc.show();
    doc.Image().OpenFile(FullImageFile(dir));
    doc.Initgrid();
    doc.FillGrid();
    for (auto _ : state)
        doc.SaveGrid();
    doc.setCaption(QString());
}
BENCHMARK(BM_SaveGrid)->Unit(benchmark::kMillisecond);

} // namespace
