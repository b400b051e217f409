#pragma once
// The radio's band limits against the document's before a write: the radio's
// raw table as whole-megahertz texts, whether the two sets differ, and the
// side-by-side text the band-limit prompt shows.
//
// Both sets are eight texts in band-limit table order: 0/1 receive low/high of
// band 1, 2/3 receive low/high of band 2, 4/5 transmit low/high of band 1,
// 6/7 transmit low/high of band 2.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace clonelink {

constexpr int BandLimitEntries = 8;
constexpr int BandLimitTableBytes = 2 * BandLimitEntries;

// The eight limits of the radio's table (at least 16 bytes, entry i at bytes
// 2i and 2i+1), decoded as the image decodes its own table. An entry with no
// digit at all raises RuntimeError 13.
QStringList DecodeBandLimits(const QByteArray& bandLimitBytes);

// True when any entry is not exactly the same text in both sets.
bool BandLimitsDiffer(const QStringList& radio, const QStringList& file);

// Nine lines, each ended by CR LF: band 1 before band 2, receive before
// transmit, the radio's limits before the file's.
QString BandLimitComparisonText(const QStringList& radio, const QStringList& file);

} // namespace clonelink
