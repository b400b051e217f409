#pragma once
// What the benchmarks' images share.

#include "image/clsVUROVA.h"

#include <QString>

// Receive and transmit bands 136-174 and 400-480 MHz, as a dual-band radio
// leaves the factory, and both VFOs set: every check the grids run passes.
inline void SetUsualBandsAndVfos(clsVUROVA& image) {
    const char* const limits[] = {"136", "174", "400", "480", "136", "174", "400", "480"};
    for (int i = 0; i < 8; ++i)
        image.setBandLimit(i, QString::fromLatin1(limits[i]));
    image.setRXFrequency(clsVUROVA::VfoA, QStringLiteral("145.0000"));
    image.setRXFrequency(clsVUROVA::VfoB, QStringLiteral("435.0000"));
}
