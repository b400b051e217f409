// The A/B settings of the two VFOs, their repeater shift and the FM-broadcast
// memories. VFO frequencies, tones, power and bandwidth are channel records
// 129 and 130 and go through the channel-record members.

#include "image/ImageBytes.h"
#include "image/SettingsCoding.h"
#include "image/SettingsLayout.h"
#include "image/clsVUROVA.h"

#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"

namespace L = settingslayout;
using namespace settingscoding;

namespace {

void StoreListIndex(uint8_t& byte, const QStringList& list, const QString& text) {
    const int index = ListIndex(list, text);
    if (index >= 0)
        byte = static_cast<uint8_t>(index);
}

QString StartChannelText(uint8_t byte) {
    return QString::number(byte == 0 ? 1 : byte);
}

// The radio cannot start on an empty channel: fall back to the lowest one in
// use, or to channel 1 when the memory is empty.
uint8_t StartChannelByte(const clsVUROVA& image, const QString& text) {
    const int32_t ch = platform::ToInt32(text);
    if (image.IsUsedMemoryChannel(ch))
        return static_cast<uint8_t>(ch);
    for (int used = 1; used <= clsVUROVA::ChannelCount; ++used)
        if (image.IsUsedMemoryChannel(used))
            return static_cast<uint8_t>(used);
    return 1;
}

int FMOffset(int bank, int entry) {
    if (entry < 1 || entry > L::FMEntries)
        throw platform::RuntimeError(platform::ErrSubscriptOutOfRange);
    return (bank == 2 ? L::FMBank2 : L::FMBank1) + 2 * (entry - 1);
}

} // namespace

QString clsVUROVA::FrequencyStepA() const {
    return ListText(Byte(L::FrequencyStepA), FrequencyStep_OPT());
}
void clsVUROVA::setFrequencyStepA(const QString& text) {
    StoreListIndex(*At(L::FrequencyStepA), FrequencyStep_OPT(), text);
}
QString clsVUROVA::FrequencyStepB() const {
    return ListText(Byte(L::FrequencyStepB), FrequencyStep_OPT());
}
void clsVUROVA::setFrequencyStepB(const QString& text) {
    StoreListIndex(*At(L::FrequencyStepB), FrequencyStep_OPT(), text);
}
QStringList clsVUROVA::FrequencyStep_OPT() const {
    return {QStringLiteral("5.00 kHz"),  QStringLiteral("6.25 kHz"),  QStringLiteral("10.00 kHz"),
            QStringLiteral("12.50 kHz"), QStringLiteral("25.00 kHz"), QStringLiteral("50.00 kHz"),
            QStringLiteral("100.00 kHz")};
}

QString clsVUROVA::SquelchSettingA() const {
    return QString::number(Byte(L::SquelchSettingA));
}
void clsVUROVA::setSquelchSettingA(const QString& text) {
    setByte(L::SquelchSettingA, ByteFromText(text));
}
QString clsVUROVA::SquelchSettingB() const {
    return QString::number(Byte(L::SquelchSettingB));
}
void clsVUROVA::setSquelchSettingB(const QString& text) {
    setByte(L::SquelchSettingB, ByteFromText(text));
}
QStringList clsVUROVA::SquelchSetting_OPT() const {
    QStringList list;
    for (int level = 0; level <= 9; ++level)
        list << QString::number(level);
    return list;
}

QString clsVUROVA::DisplayModeA() const {
    return ListText(Byte(L::DisplayModeA), DisplayMode_OPT());
}
void clsVUROVA::setDisplayModeA(const QString& text) {
    StoreListIndex(*At(L::DisplayModeA), DisplayMode_OPT(), text);
}
QString clsVUROVA::DisplayModeB() const {
    return ListText(Byte(L::DisplayModeB), DisplayMode_OPT());
}
void clsVUROVA::setDisplayModeB(const QString& text) {
    StoreListIndex(*At(L::DisplayModeB), DisplayMode_OPT(), text);
}
QStringList clsVUROVA::DisplayMode_OPT() const {
    return {QStringLiteral("CHANNEL"), QStringLiteral("CHANNEL+FREQ"),
            QStringLiteral("CHANNEL+NAME"), QStringLiteral("VFO")};
}

QString clsVUROVA::StartChannelA() const {
    return StartChannelText(Byte(L::StartChannelA));
}
void clsVUROVA::setStartChannelA(const QString& text) {
    setByte(L::StartChannelA, StartChannelByte(*this, text));
}
QString clsVUROVA::StartChannelB() const {
    return StartChannelText(Byte(L::StartChannelB));
}
void clsVUROVA::setStartChannelB(const QString& text) {
    setByte(L::StartChannelB, StartChannelByte(*this, text));
}

QString clsVUROVA::ShiftDirectionA() const {
    return ListText(Byte(L::ShiftDirectionA), ShiftDirection_OPT());
}
void clsVUROVA::setShiftDirectionA(const QString& text) {
    StoreListIndex(*At(L::ShiftDirectionA), ShiftDirection_OPT(), text);
}
QString clsVUROVA::ShiftDirectionB() const {
    return ListText(Byte(L::ShiftDirectionB), ShiftDirection_OPT());
}
void clsVUROVA::setShiftDirectionB(const QString& text) {
    StoreListIndex(*At(L::ShiftDirectionB), ShiftDirection_OPT(), text);
}
QStringList clsVUROVA::ShiftDirection_OPT() const {
    return {QStringLiteral("OFF"), QStringLiteral("PLUS"), QStringLiteral("MINUS")};
}

QString clsVUROVA::ShiftFrequencyA() const {
    return ShiftText(At(L::ShiftFrequencyA));
}
void clsVUROVA::setShiftFrequencyA(const QString& text) {
    SetShiftText(At(L::ShiftFrequencyA), text);
}
QString clsVUROVA::ShiftFrequencyB() const {
    return ShiftText(At(L::ShiftFrequencyB));
}
void clsVUROVA::setShiftFrequencyB(const QString& text) {
    SetShiftText(At(L::ShiftFrequencyB), text);
}
QStringList clsVUROVA::ShiftFrequency_OPT() const {
    QStringList list;
    list.reserve(1400);
    for (int k = 0; k < 1400; ++k)
        list << platform::FormatNumber(k * 5 / 100.0, QStringLiteral("0.000"));
    return list;
}

QString clsVUROVA::FMBroadcast(int bank, int entry) const {
    return FMText(imagebytes::GetBE16(At(FMOffset(bank, entry))));
}
void clsVUROVA::setFMBroadcast(int bank, int entry, const QString& text) {
    uint8_t* field = At(FMOffset(bank, entry));
    imagebytes::SetBE16(field, FMValue(text));
}
