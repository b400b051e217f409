// What users wait for in the image: opening and saving a .uvd file, and the
// grid transfer's pass over every channel member.

#include "image/clsVUROVA.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A full image: every channel in use with a frequency, an offset, tones,
// a name and notes.
clsVUROVA FullImage() {
    clsVUROVA image;
    image.Sbyt(QByteArray(clsVUROVA::ImageSize, '\0'));
    for (int ch = 1; ch <= clsVUROVA::ChannelCount; ++ch) {
        image.setRXFrequency(ch, QString::number(144.0 + ch * 0.0125, 'f', 4));
        image.setTXFrequency(ch, QString::number(144.6 + ch * 0.0125, 'f', 4));
        image.setDecode(ch, ch % 2 ? "88.5" : "D023N");
        image.setEncode(ch, ch % 3 ? "OFF" : "D754I");
        image.setName(ch, QStringLiteral("CH%1").arg(ch));
        image.setGroup(ch, QStringLiteral("Repeater notes for channel %1").arg(ch));
    }
    return image;
}

void BM_OpenAndSaveUvdFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.uvd");
    clsVUROVA source = FullImage();
    source.SaveFile(path);
    for (auto _ : state) {
        clsVUROVA image;
        if (!image.VerifyChecksum(path)) {
            state.SkipWithError("checksum");
            break;
        }
        image.OpenFile(path);
        image.SaveFile(path);
        benchmark::DoNotOptimize(image.IsDataChanged());
    }
}
BENCHMARK(BM_OpenAndSaveUvdFile)->Unit(benchmark::kMicrosecond);

void BM_EveryChannelGetter(benchmark::State& state) {
    const clsVUROVA image = FullImage();
    for (auto _ : state) {
        for (int ch = 1; ch <= clsVUROVA::VfoB; ++ch) {
            benchmark::DoNotOptimize(image.RXFrequency(ch));
            benchmark::DoNotOptimize(image.TXFrequency(ch));
            benchmark::DoNotOptimize(image.Decode(ch));
            benchmark::DoNotOptimize(image.Encode(ch));
            benchmark::DoNotOptimize(image.TXPower(ch));
            benchmark::DoNotOptimize(image.ScanAdd(ch));
            benchmark::DoNotOptimize(image.WN(ch));
            benchmark::DoNotOptimize(image.BusyLock(ch));
            benchmark::DoNotOptimize(image.Name(ch));
            benchmark::DoNotOptimize(image.Group(ch));
        }
    }
}
BENCHMARK(BM_EveryChannelGetter)->Unit(benchmark::kMicrosecond);

void BM_EveryChannelSetter(benchmark::State& state) {
    clsVUROVA image = FullImage();
    struct Row {
        QString rx, tx, decode, encode, power, scan, wn, busy, name, notes;
    };
    std::vector<Row> rows;
    for (int ch = 1; ch <= clsVUROVA::VfoB; ++ch) {
        rows.push_back({image.RXFrequency(ch), image.TXFrequency(ch), image.Decode(ch),
                        image.Encode(ch), image.TXPower(ch), image.ScanAdd(ch), image.WN(ch),
                        image.BusyLock(ch), image.Name(ch), image.Group(ch)});
    }
    for (auto _ : state) {
        for (int ch = 1; ch <= clsVUROVA::VfoB; ++ch) {
            const Row& row = rows[static_cast<size_t>(ch - 1)];
            image.setRXFrequency(ch, row.rx);
            image.setTXFrequency(ch, row.tx);
            image.setDecode(ch, row.decode);
            image.setEncode(ch, row.encode);
            image.setTXPower(ch, row.power);
            image.setScanAdd(ch, row.scan);
            image.setWN(ch, row.wn);
            image.setBusyLock(ch, row.busy);
            image.setName(ch, row.name);
            image.setGroup(ch, row.notes);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EveryChannelSetter)->Unit(benchmark::kMicrosecond);

} // namespace
