#pragma once
// The rules that keep frequencies a radio cannot use out of a document: band
// tests, the channel raster, the correction of typed frequencies, the defaults
// of a newly used memory row, the automatic repeater shift, and the decisions
// of the whole-document band-limit checks.
//
// Everything here works on texts and band limits only, so the editors can call
// it on every keystroke and the document window walks its grids around it.
// Texts are read and written in the default locale (QLocale()); frequency texts
// are written with Program().FrequencyFormat.
//
// Two in-band rules live side by side on purpose:
// - the editors and imports admit low <= f <= high + 0.995 MHz and read the text
//   as a number in the user's locale (the TX test reads its leading number with
//   "." as the decimal point);
// - the whole-document checks admit low <= f < high + 1 MHz and always read the
//   leading number with "." as the decimal point, so "145,500" reads as 145.
//
// Frequencies are compared and corrected in whole 10 Hz units; a value that is
// not a whole number of units rounds to the nearest one, halves to even.

#include "program/ProgramValues.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace FrequencyRules {

constexpr int BandLimitCount = 8;

// Indices into the band-limit table: low limit of each band; the high limit
// follows at index + 1.
constexpr int RXBand1 = 0;
constexpr int RXBand2 = 2;
constexpr int TXBand1 = 4;
constexpr int TXBand2 = 6;

// The eight band limits in whole megahertz, in band-limit-table order.
//
// A limit text is read as a whole decimal number (blanks around it allowed).
// A text that is not one (empty, letters, a fraction, a sign, more than nine
// digits) leaves that limit unreadable, and a band with an unreadable limit
// admits no frequency and is never a correction target: a frequency is then
// moved into the other band of its direction, and kept where it is (only
// snapped and formatted) when neither band is readable. The image and the
// radio's decoder only ever give digit texts, so this is a safety net that
// fails towards "out of band" rather than inventing a band from 0 MHz.
struct BandLimits {
    std::array<std::optional<int64_t>, BandLimitCount> value;

    // Texts beyond the eighth are ignored; missing ones are unreadable.
    static BandLimits FromTexts(const QStringList& texts);
};

// --- Editors and imports -------------------------------------------------

// low <= f <= high + 0.995 on either receive band; f is the locale number of
// the text. A text that is not a number is in no band.
bool IsFreqInRXBandLimits(const QString& text, const BandLimits& limits);

// The same on the transmit bands, but f is the text's leading number with "."
// as the decimal point (no number reads as 0).
bool IsFreqInTXBandLimits(const QString& text, const BandLimits& limits);

// True when the frequency lies on the 6.25 kHz or the 5 kHz raster, or the text
// is empty. A number is rewritten in place as the plain text of its value
// ("145.50" -> "145.5"). A text that is not a number is off the raster and is
// left as it stands.
bool IsFreqStepValid(QString& text);

// Corrected memory receive / transmit frequency: moved to the nearest band edge
// when outside the bands, snapped down onto the 5 kHz raster when on neither
// raster, formatted. Empty or not a number gives "".
QString ValidateRXFreq(const QString& text, const BandLimits& limits);
QString ValidateTXFreq(const QString& text, const BandLimits& limits);

// As ValidateRXFreq, but an empty argument first becomes "0" (in place) and is
// then corrected like any other number.
QString ValidateVFOFreq(QString& text, const BandLimits& limits);

// FM broadcast frequency: "" stays ""; otherwise the leading number of the text
// in the locale (no number reads as 0) clamped to 76.0 .. 108.0 and formatted
// "00.0" with the locale's separator.
QString ValidateFMFreq(const QString& text);

// True when the cells of logical columns 3 to 9 are all non-empty (a blank is
// filled); cellText gives the text of a logical column of the row.
bool IsRowFilled(const std::function<QString(int logicalColumn)>& cellText);

struct DefaultCell {
    int logicalColumn;
    QString text;
};

// What ApplyDefaults writes into a newly used memory row, in writing order: the
// TX frequency (ValidateTXFreq of the RX text) and the six option cells.
std::array<DefaultCell, 7> RowDefaults(const QString& rxText, const BandLimits& limits);

// The TX frequency the automatic repeater shift gives an RX frequency text (a
// locale number): RX plus the offset of the first range holding it, else RX
// itself, formatted; neither clamped nor snapped. nullopt when the text is not
// a number, in which case the TX cell is to be left alone.
std::optional<QString> AutoShiftTXFreq(const QString& rxText);

// A frequency in 10 Hz units as text in Program().FrequencyFormat.
QString FormatFrequency(int64_t tenHzUnits);

// --- Whole-document checks ------------------------------------------------

// low <= f < high + 1 on either receive (transmit) band; f is the leading
// number of the text with "." as the decimal point.
bool PassesRXBandLimits(const QString& text, const BandLimits& limits);
bool PassesTXBandLimits(const QString& text, const BandLimits& limits);

// A used memory row passes when its RX frequency passes the receive bands and
// its TX frequency, unless it reads 0 (blank), passes the transmit bands.
bool IsChannelInBandLimits(const QString& rxText, const QString& txText, const BandLimits& limits);

// The frequency texts of one memory-grid row.
struct ChannelFreqs {
    int channel;
    QString rx;
    QString tx;
};

struct BandLimitOutcome {
    bool ok = true;
    // Failing channel numbers, ascending as given, each followed by ",".
    QString report;
};

// Tests every used row (RX text not blank after trimming) and lists each
// failing channel once: the memory part of ValidateBandLimits and of
// CheckBandLimits.
BandLimitOutcome CheckChannels(const std::vector<ChannelFreqs>& rows, const BandLimits& limits);

enum Vfo : int { VfoA = 0, VfoB = 1 };

struct VfoOutcome {
    bool ok = true;
    QString text; // what the VFO cell holds afterwards
};

// ValidateVFOs for one VFO: a frequency outside the receive bands is replaced
// by the low limit of receive band 1 (VFO A) or band 2 (VFO B) + 0.025 MHz,
// formatted. When that limit is unreadable the cell keeps its text; the
// outcome still fails.
VfoOutcome ValidateVFO(Vfo vfo, const QString& cellText, const BandLimits& limits);

} // namespace FrequencyRules
