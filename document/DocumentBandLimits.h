#pragma once
// A document's own band limits as the frequency rules take them.

#include "document/DocumentInterface.h"
#include "rules/FrequencyRules.h"

inline FrequencyRules::BandLimits LimitsOf(const IDocument& document) {
    QStringList texts;
    for (int i = 0; i < FrequencyRules::BandLimitCount; ++i)
        texts << document.GetBandLimit(i);
    return FrequencyRules::BandLimits::FromTexts(texts);
}
