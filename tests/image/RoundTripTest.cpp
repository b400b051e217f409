#include "ImageTestBytes.h"

#include "image/clsVUROVA.h"
#include "program/ProgramValues.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace imagetest;

namespace {

// An image with varied content that every channel member reads back as the
// text that stores the same bytes: BCD frequencies that are not zero, TX either
// absent or a frequency, tones from the list or off, names of radio characters
// padded with FF, notes of single-byte characters padded with FF, and random
// bytes everywhere no member interprets (flag bits included).
class CanonicalImage {
public:
    explicit CanonicalImage(quint32 seed) : random_(seed), bytes_(FullSize, '\0') {
        for (char& b : bytes_) {
            b = static_cast<char>(random_.bounded(256));
        }
        for (int ch = 1; ch <= clsVUROVA::VfoB; ++ch) {
            fillRecord(16 * ch);
            if (ch <= clsVUROVA::ChannelCount) {
                fillName(0x1000 + 16 * ch);
                fillNotes(0x2000 + 32 * (ch - 1));
            }
        }
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QRandomGenerator random_;
    QByteArray bytes_;

    void set(int offset, int value) { bytes_[offset] = static_cast<char>(value); }

    void fillFrequency(int offset) {
        do {
            for (int k = 0; k < 4; ++k) {
                set(offset + k, random_.bounded(10) << 4 | random_.bounded(10));
            }
        } while (bytes_.mid(offset, 4) == QByteArray(4, '\0'));
    }

    void fillTone(int offset) {
        static const int dcs[] = {0023, 0065, 0114, 0245, 0411, 0754}; // octal
        int code = 0xFFFF;
        switch (random_.bounded(4)) {
        case 0:
            code = 670 + random_.bounded(2542 - 670);
            break; // any tenth, 67.0..254.1
        case 1:
            code = 0x2800 + dcs[random_.bounded(6)];
            break;
        case 2:
            code = 0xA800 + dcs[random_.bounded(6)];
            break;
        default:
            break;
        }
        set(offset, code & 0xFF);
        set(offset + 1, code >> 8);
    }

    void fillRecord(int offset) {
        fillFrequency(offset);
        if (random_.bounded(3) == 0) {
            bytes_.replace(offset + 4, 4, QByteArray(4, '\xFF'));
        } else {
            fillFrequency(offset + 4);
        }
        fillTone(offset + 8);
        fillTone(offset + 10);
    }

    void fillName(int offset) {
        const int length = random_.bounded(7);
        for (int k = 0; k < 6; ++k) {
            set(offset + k, k < length ? random_.bounded(39) : 0xFF);
        }
    }

    void fillNotes(int offset) {
        const int length = random_.bounded(33);
        for (int k = 0; k < 32; ++k) {
            set(offset + k, k < length ? 1 + random_.bounded(254) : 0xFF);
        }
    }
};

void FeedEveryGetterToItsSetter(clsVUROVA& image) {
    for (int ch = 1; ch <= clsVUROVA::VfoB; ++ch) {
        image.setRXFrequency(ch, image.RXFrequency(ch));
        image.setTXFrequency(ch, image.TXFrequency(ch));
        image.setDecode(ch, image.Decode(ch));
        image.setEncode(ch, image.Encode(ch));
        image.setTXPower(ch, image.TXPower(ch));
        image.setScanAdd(ch, image.ScanAdd(ch));
        image.setWN(ch, image.WN(ch));
        image.setBusyLock(ch, image.BusyLock(ch));
        image.setName(ch, image.Name(ch));
        image.setGroup(ch, image.Group(ch));
    }
}

class ChannelRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(ChannelRoundTrip, GetterTextsStoreTheSameBytes) {
    Program().FrequencyFormat = GetParam();
    for (const quint32 seed : {1u, 2u, 3u}) {
        const CanonicalImage canonical(seed);
        for (const QLocale& locale : {QLocale(QLocale::C), CommaLocale()}) {
            LocaleGuard guard(locale);
            clsVUROVA image;
            image.Sbyt(canonical.bytes());
            FeedEveryGetterToItsSetter(image);
            const QByteArray after = image.GetBytArry();
            for (int k = 0; k < FullSize; ++k) {
                ASSERT_EQ(after[k], canonical.bytes()[k])
                    << "byte 0x" << QByteArray::number(k, 16).toStdString() << " seed " << seed
                    << " locale " << locale.name().toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothFormats, ChannelRoundTrip,
                         ::testing::Values("##0.000##", "##0.00000"));

} // namespace
