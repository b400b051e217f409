// The configuration settings of the radio's menu (image 0x0E00..0x0E5F).

#include "image/SettingsCoding.h"
#include "image/SettingsLayout.h"
#include "image/clsVUROVA.h"

#include "platform/core/NumberText.h"
#include "platform/core/RuntimeError.h"

namespace L = settingslayout;
using namespace settingscoding;

namespace {

QStringList OffOn() {
    return {QStringLiteral("OFF"), QStringLiteral("ON")};
}

// "OFF", then the whole numbers 1..last.
QStringList OffThenNumbers(int last) {
    QStringList list{QStringLiteral("OFF")};
    for (int n = 1; n <= last; ++n)
        list << QString::number(n);
    return list;
}

void StoreListIndex(uint8_t& byte, const QStringList& list, const QString& text) {
    const int index = ListIndex(list, text);
    if (index >= 0)
        byte = static_cast<uint8_t>(index);
}

} // namespace

QString clsVUROVA::BatterySave() const {
    return ListText(Byte(L::BatterySave), OffOn());
}
void clsVUROVA::setBatterySave(const QString& text) {
    StoreListIndex(*At(L::BatterySave), OffOn(), text);
}
QStringList clsVUROVA::BatterySave_OPT() const {
    return OffOn();
}

QString clsVUROVA::Beep() const {
    return ListText(Byte(L::Beep), OffOn());
}
void clsVUROVA::setBeep(const QString& text) {
    StoreListIndex(*At(L::Beep), OffOn(), text);
}
QStringList clsVUROVA::Beep_OPT() const {
    return OffOn();
}

QString clsVUROVA::KeyLock() const {
    return ListText(Byte(L::KeyLock), OffOn());
}
void clsVUROVA::setKeyLock(const QString& text) {
    StoreListIndex(*At(L::KeyLock), OffOn(), text);
}
QStringList clsVUROVA::KeyLock_OPT() const {
    return OffOn();
}

QString clsVUROVA::Backlight() const {
    return ListText(Byte(L::Backlight), OffOn());
}
void clsVUROVA::setBacklight(const QString& text) {
    StoreListIndex(*At(L::Backlight), OffOn(), text);
}
QStringList clsVUROVA::Backlight_OPT() const {
    return OffOn();
}

QString clsVUROVA::Stopwatch() const {
    return ListText(Byte(L::Stopwatch), OffOn());
}
void clsVUROVA::setStopwatch(const QString& text) {
    StoreListIndex(*At(L::Stopwatch), OffOn(), text);
}
QStringList clsVUROVA::Stopwatch_OPT() const {
    return OffOn();
}

QString clsVUROVA::ANITransmit() const {
    return ListText(Byte(L::ANITransmit), OffOn());
}
void clsVUROVA::setANITransmit(const QString& text) {
    StoreListIndex(*At(L::ANITransmit), OffOn(), text);
}
QStringList clsVUROVA::ANITransmit_OPT() const {
    return OffOn();
}

QString clsVUROVA::RogerBeep() const {
    return ListText(Byte(L::RogerBeep), RogerBeep_OPT());
}
void clsVUROVA::setRogerBeep(const QString& text) {
    StoreListIndex(*At(L::RogerBeep), RogerBeep_OPT(), text);
}
QStringList clsVUROVA::RogerBeep_OPT() const {
    return {QStringLiteral("OFF"), QStringLiteral("BEGIN"), QStringLiteral("END"),
            QStringLiteral("BEGIN AND END")};
}

QString clsVUROVA::VoicePrompt() const {
    return ListText(Byte(L::VoicePrompt), VoicePrompt_OPT());
}
void clsVUROVA::setVoicePrompt(const QString& text) {
    StoreListIndex(*At(L::VoicePrompt), VoicePrompt_OPT(), text);
}
QStringList clsVUROVA::VoicePrompt_OPT() const {
    return {QStringLiteral("OFF"), QStringLiteral("CHINESE"), QStringLiteral("ENGLISH")};
}

QString clsVUROVA::PowerOnDisplay() const {
    return ListText(Byte(L::PowerOnDisplay), PowerOnDisplay_OPT());
}
void clsVUROVA::setPowerOnDisplay(const QString& text) {
    StoreListIndex(*At(L::PowerOnDisplay), PowerOnDisplay_OPT(), text);
}
QStringList clsVUROVA::PowerOnDisplay_OPT() const {
    return {QStringLiteral("FULL SCREEN"), QStringLiteral("WELCOME"),
            QStringLiteral("BAT VOLTAGE")};
}

QString clsVUROVA::ScanMode() const {
    return ListText(Byte(L::ScanMode), ScanMode_OPT());
}
void clsVUROVA::setScanMode(const QString& text) {
    StoreListIndex(*At(L::ScanMode), ScanMode_OPT(), text);
}
QStringList clsVUROVA::ScanMode_OPT() const {
    return {QStringLiteral("TIME"), QStringLiteral("CARRIER WAVE"), QStringLiteral("SEARCH")};
}

QString clsVUROVA::SideKey() const {
    return ListText(Byte(L::SideKey), SideKey_OPT());
}
void clsVUROVA::setSideKey(const QString& text) {
    StoreListIndex(*At(L::SideKey), SideKey_OPT(), text);
}
QStringList clsVUROVA::SideKey_OPT() const {
    return {QStringLiteral("OFF"), QStringLiteral("SCAN"), QStringLiteral("LAMP"),
            QStringLiteral("SOS"), QStringLiteral("RADIO")};
}

QString clsVUROVA::SideTone() const {
    return ListText(Byte(L::SideTone), SideTone_OPT());
}
void clsVUROVA::setSideTone(const QString& text) {
    StoreListIndex(*At(L::SideTone), SideTone_OPT(), text);
}
QStringList clsVUROVA::SideTone_OPT() const {
    return {QStringLiteral("OFF"), QStringLiteral("KEY"), QStringLiteral("ANI ID"),
            QStringLiteral("KEY+ANI ID")};
}

QString clsVUROVA::TOT() const {
    return TotText(Byte(L::TOT));
}
void clsVUROVA::setTOT(const QString& text) {
    setByte(L::TOT, TotByte(text));
}
QStringList clsVUROVA::TOT_OPT() const {
    QStringList list;
    for (int k = 0; k < 40; ++k)
        list << TotText(static_cast<uint8_t>(k));
    return list;
}

QString clsVUROVA::VOX() const {
    return OffOrNumberText(Byte(L::VOX));
}
void clsVUROVA::setVOX(const QString& text) {
    setByte(L::VOX, OffOrNumberByte(text));
}
QStringList clsVUROVA::VOX_OPT() const {
    return OffThenNumbers(10);
}

QString clsVUROVA::TOTAlarm() const {
    return OffOrNumberText(Byte(L::TOTAlarm));
}
void clsVUROVA::setTOTAlarm(const QString& text) {
    setByte(L::TOTAlarm, OffOrNumberByte(text));
}
QStringList clsVUROVA::TOTAlarm_OPT() const {
    return OffThenNumbers(10);
}

QString clsVUROVA::ANIDelay() const {
    return OffOrNumberText(Byte(L::ANIDelay));
}
void clsVUROVA::setANIDelay(const QString& text) {
    setByte(L::ANIDelay, OffOrNumberByte(text));
}
QStringList clsVUROVA::ANIDelay_OPT() const {
    return OffThenNumbers(30);
}

// The switch members follow their own rule, not their lists: the radio treats
// any non-zero byte as on (or as VFO B).
QString clsVUROVA::DualReceive() const {
    return Byte(L::DualReceive) == 0 ? QStringLiteral("OFF") : QStringLiteral("ON");
}
void clsVUROVA::setDualReceive(const QString& text) {
    setByte(L::DualReceive, text == QLatin1String("OFF") ? 0 : 1);
}
QStringList clsVUROVA::DualReceive_OPT() const {
    return OffOn();
}

QString clsVUROVA::CurrentVFO() const {
    return Byte(L::CurrentVFO) == 0 ? QStringLiteral("VFO A") : QStringLiteral("VFO B");
}
void clsVUROVA::setCurrentVFO(const QString& text) {
    setByte(L::CurrentVFO, text == QLatin1String("VFO A") ? 0 : L::CurrentVfoB);
}
QStringList clsVUROVA::CurrentVFO_OPT() const {
    return {QStringLiteral("VFO A"), QStringLiteral("VFO B")};
}

QString clsVUROVA::Menu() const {
    switch (Byte(L::Menu)) {
    case L::MenuEnabled:
        return QStringLiteral("ENABLED");
    case L::MenuDisabled:
        return QStringLiteral("DISABLED");
    default:
        return QString();
    }
}
void clsVUROVA::setMenu(const QString& text) {
    if (text == QLatin1String("ENABLED"))
        setByte(L::Menu, L::MenuEnabled);
    else if (text == QLatin1String("DISABLED"))
        setByte(L::Menu, L::MenuDisabled);
}
QStringList clsVUROVA::Menu_OPT() const {
    return {QStringLiteral("ENABLED"), QStringLiteral("DISABLED")};
}

QString clsVUROVA::PriorityChannel() const {
    return QString::number(Byte(L::PriorityChannel));
}
void clsVUROVA::setPriorityChannel(const QString& text) {
    const int32_t ch = platform::ToInt32(text);
    if (ch < 0 || ch > 255)
        throw platform::RuntimeError(platform::ErrOverflow);
    setByte(L::PriorityChannel, IsUsedMemoryChannel(ch) ? static_cast<uint8_t>(ch) : 0);
}

QString clsVUROVA::PowerUpMsgLine1() const {
    return MessageText(At(L::PowerUpMsgLine1));
}
void clsVUROVA::setPowerUpMsgLine1(const QString& text) {
    SetMessageText(At(L::PowerUpMsgLine1), text);
}
QString clsVUROVA::PowerUpMsgLine2() const {
    return MessageText(At(L::PowerUpMsgLine2));
}
void clsVUROVA::setPowerUpMsgLine2(const QString& text) {
    SetMessageText(At(L::PowerUpMsgLine2), text);
}
QString clsVUROVA::SingleReceiveMsg() const {
    return MessageText(At(L::SingleReceiveMsg));
}
void clsVUROVA::setSingleReceiveMsg(const QString& text) {
    SetMessageText(At(L::SingleReceiveMsg), text);
}

QString clsVUROVA::ModePassword() const {
    return CodeText(At(L::ModePassword));
}
void clsVUROVA::setModePassword(const QString& text) {
    SetCodeText(At(L::ModePassword), text);
}
QString clsVUROVA::ResetPassword() const {
    return CodeText(At(L::ResetPassword));
}
void clsVUROVA::setResetPassword(const QString& text) {
    SetCodeText(At(L::ResetPassword), text);
}
QString clsVUROVA::ANI_ID() const {
    return CodeText(At(L::ANI_ID));
}
void clsVUROVA::setANI_ID(const QString& text) {
    SetCodeText(At(L::ANI_ID), text);
}
