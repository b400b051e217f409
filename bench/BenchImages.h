#pragma once
// What every benchmark image shares.

#include "image/clsVUROVA.h"

#include <QTemporaryDir>

// Receive and transmit bands 136-174 and 400-480 MHz, as a dual-band radio
// leaves the factory, and both VFOs set inside them: every check the grids run
// passes.
inline void SetFactoryBandsAndVfos(clsVUROVA& image) {
    const char* const limits[] = {"136", "174", "400", "480", "136", "174", "400", "480"};
    for (int i = 0; i < 8; ++i)
        image.setBandLimit(i, QString::fromLatin1(limits[i]));
    image.setRXFrequency(clsVUROVA::VfoA, QStringLiteral("145.0000"));
    image.setRXFrequency(clsVUROVA::VfoB, QStringLiteral("435.0000"));
}

// A .uvd file in dir of an image with every memory empty and the factory bands.
inline QString EmptyImageFile(const QTemporaryDir& dir) {
    clsVUROVA image;
    image.Sbyt(QByteArray(clsVUROVA::RadioSize, '\xFF'));
    SetFactoryBandsAndVfos(image);
    const QString path = dir.filePath(QStringLiteral("empty.uvd"));
    image.SaveFile(path);
    return path;
}
