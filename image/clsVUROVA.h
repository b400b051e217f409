#pragma once
// The memory image of one radio: 12,288 bytes of radio memory and notes plus
// the four checksum bytes of a .uvd file, and every member that turns those
// bytes into display texts and back. Nothing else interprets image bytes.
//
// Areas (offsets hexadecimal):
//   0000  16          record 0, kept but never written back to the radio
//   0010  16 x 128    channel records (ch at 16*ch); 0810/0820 VFO A/B (ch 129/130)
//   0842  2 x 9       FM-broadcast bank 1; 0882 bank 2
//   0970  16          band-limit table, 8 entries of 2
//   0E00  3 x 6       power-up message lines 1, 2, single-receive message
//   0E20  64          configuration settings, passwords, ANI digits
//   1010  16 x 128    channel names (6 bytes at 1000 + 16*ch)
//   1810/1820         VFO A/B shift direction and shift frequency
//   2000  32 x 128    channel notes, never sent to the radio
//   3000  4           .uvd checksum, most significant byte first

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class clsVUROVA {
public:
    static constexpr int ImageSize = 12288;
    static constexpr int RadioSize = 8192;
    static constexpr int ChannelCount = 128;
    static constexpr int VfoA = 129;
    static constexpr int VfoB = 130;
    static constexpr int NotesLength = 32;

    clsVUROVA();

    // --- container ---
    QString AllowedTagCharacters() const;
    int MaxNameLength() const { return 6; }
    int MaxFreqLength() const { return 9; }
    int FileSize() const { return 12292; }
    int FileSize2() const { return ImageSize; }

    // Copies element k into image byte k (at most 12,292 elements); no snapshot.
    void Sbyt(const QByteArray& bytes);
    // Both raise platform::RuntimeError 53 or 75 with the system's reason; a
    // failed open changes nothing, a failed save leaves the old file intact.
    void OpenFile(const QString& path);
    void SaveFile(const QString& path);
    void SetFileChecksum();
    bool VerifyChecksum(const QString& path) const;

    // True once a file, the radio's bytes or a TW file filled the image,
    // whatever those bytes are, and whenever bytes 16..32 are not all zero.
    bool IsFileLoaded() const;
    bool IsUsedMemoryChannel(int ch) const;
    // Byte comparison against the copy taken at the last open or save.
    bool IsDataChanged() const;
    QByteArray GetBytArry() const;
    // Copies image bytes 0..8191 into the program-wide CloneWriteBuffer.
    void SetWriteBytes() const;

    // --- channel record: ch 1..128, and 129/130 for VFO A/B where noted ---
    QString RXFrequency(int ch) const; // 1..130
    void setRXFrequency(int ch, const QString& text);
    void BlankMemory(int ch);          // 1..128
    QString TXFrequency(int ch) const; // 1..130
    void setTXFrequency(int ch, const QString& text);
    QString Name(int ch) const; // 1..128
    void setName(int ch, const QString& text);
    QString Group(int ch) const; // 1..128
    void setGroup(int ch, const QString& text);
    QString Decode(int ch) const; // 1..130
    void setDecode(int ch, const QString& text);
    int DCSToLong(const QString& text) const;
    QString LongToDCS(int value) const;
    QString Encode(int ch) const; // 1..130
    void setEncode(int ch, const QString& text);
    QString TXPower(int ch) const; // 1..130
    void setTXPower(int ch, const QString& text);
    QString ScanAdd(int ch) const; // 1..130
    void setScanAdd(int ch, const QString& text);
    QString WN(int ch) const; // 1..130
    void setWN(int ch, const QString& text);
    QString BusyLock(int ch) const; // 1..130
    void setBusyLock(int ch, const QString& text);

    // --- settings, VFO, FM and TW (image2) ---
    // Enumerated settings: the get side gives "" for a byte without a list
    // entry; the set side ignores a text that is not exactly one of the list.
    // Number settings raise RuntimeError 13 for a text that is not a number and
    // 6 for a value outside a byte, leaving the byte unchanged.
    QString FrequencyStepA() const;
    void setFrequencyStepA(const QString& text);
    QString FrequencyStepB() const;
    void setFrequencyStepB(const QString& text);
    QStringList FrequencyStep_OPT() const;
    QString SquelchSettingA() const;
    void setSquelchSettingA(const QString& text);
    QString SquelchSettingB() const;
    void setSquelchSettingB(const QString& text);
    QStringList SquelchSetting_OPT() const;
    QString DisplayModeA() const;
    void setDisplayModeA(const QString& text);
    QString DisplayModeB() const;
    void setDisplayModeB(const QString& text);
    QStringList DisplayMode_OPT() const;
    // A channel that is not in use stores the lowest used channel (1 if none).
    QString StartChannelA() const;
    void setStartChannelA(const QString& text);
    QString StartChannelB() const;
    void setStartChannelB(const QString& text);
    QString ShiftDirectionA() const;
    void setShiftDirectionA(const QString& text);
    QString ShiftDirectionB() const;
    void setShiftDirectionB(const QString& text);
    QStringList ShiftDirection_OPT() const;
    // Megahertz in the program's FrequencyFormat. The set side takes one or two
    // whole digits, the locale separator and at least two fraction digits
    // (further ones dropped); any other text raises RuntimeError 13.
    QString ShiftFrequencyA() const;
    void setShiftFrequencyA(const QString& text);
    QString ShiftFrequencyB() const;
    void setShiftFrequencyB(const QString& text);
    QStringList ShiftFrequency_OPT() const;
    // Bank 2 is bank 2, any other bank number bank 1; entry 1..9 (else
    // RuntimeError 9). "00.0" megahertz, or "" for an empty entry.
    QString FMBroadcast(int bank, int entry) const;
    void setFMBroadcast(int bank, int entry, const QString& text);

    QString BatterySave() const;
    void setBatterySave(const QString& text);
    QStringList BatterySave_OPT() const;
    QString RogerBeep() const;
    void setRogerBeep(const QString& text);
    QStringList RogerBeep_OPT() const;
    QString TOT() const;
    void setTOT(const QString& text);
    QStringList TOT_OPT() const;
    QString VOX() const;
    void setVOX(const QString& text);
    QStringList VOX_OPT() const;
    QString VoicePrompt() const;
    void setVoicePrompt(const QString& text);
    QStringList VoicePrompt_OPT() const;
    QString Beep() const;
    void setBeep(const QString& text);
    QStringList Beep_OPT() const;
    QString ANITransmit() const;
    void setANITransmit(const QString& text);
    QStringList ANITransmit_OPT() const;
    QString ANIDelay() const;
    void setANIDelay(const QString& text);
    QStringList ANIDelay_OPT() const;
    QString SideTone() const;
    void setSideTone(const QString& text);
    QStringList SideTone_OPT() const;
    QString TOTAlarm() const;
    void setTOTAlarm(const QString& text);
    QStringList TOTAlarm_OPT() const;
    QString ScanMode() const;
    void setScanMode(const QString& text);
    QStringList ScanMode_OPT() const;
    QString KeyLock() const;
    void setKeyLock(const QString& text);
    QStringList KeyLock_OPT() const;
    QString PowerOnDisplay() const;
    void setPowerOnDisplay(const QString& text);
    QStringList PowerOnDisplay_OPT() const;
    QString SideKey() const;
    void setSideKey(const QString& text);
    QStringList SideKey_OPT() const;
    QString Backlight() const;
    void setBacklight(const QString& text);
    QStringList Backlight_OPT() const;
    QString Stopwatch() const;
    void setStopwatch(const QString& text);
    QStringList Stopwatch_OPT() const;
    QString DualReceive() const;
    void setDualReceive(const QString& text);
    QStringList DualReceive_OPT() const;
    QString CurrentVFO() const;
    void setCurrentVFO(const QString& text);
    QStringList CurrentVFO_OPT() const;
    QString PriorityChannel() const;
    void setPriorityChannel(const QString& text);
    // Six characters, padded with blanks; a longer text is cut to six.
    QString PowerUpMsgLine1() const;
    void setPowerUpMsgLine1(const QString& text);
    QString PowerUpMsgLine2() const;
    void setPowerUpMsgLine2(const QString& text);
    QString SingleReceiveMsg() const;
    void setSingleReceiveMsg(const QString& text);
    // Up to six hexadecimal digits; a longer text is cut to six, a text with any
    // other character raises RuntimeError 13 before a byte changes.
    QString ModePassword() const;
    void setModePassword(const QString& text);
    QString ResetPassword() const;
    void setResetPassword(const QString& text);
    QString ANI_ID() const;
    void setANI_ID(const QString& text);
    QString Menu() const;
    void setMenu(const QString& text);
    QStringList Menu_OPT() const;

    // Writes the TW file (replacing it whole); raises RuntimeError 75 when it
    // cannot be written. Takes no snapshot: the file carries only part of the image.
    void ExportTWFile(const QString& path) const;
    // Reads a TW file over the image. On failure no image byte changes, the
    // result is false and failureMessage holds the text the caller shows in an
    // "Error" box with the exclamation icon.
    bool ImportTWFile(const QString& path, QString& failureMessage);
    bool IsTWFile() const { return TWOriginFlag; }

    // --- band limits and tone list ---
    // Index 0..7; any other index raises RuntimeError 9.
    QString BandLimit(int index) const;
    void setBandLimit(int index, const QString& text);
    QStringList GetTone_OPT() const;

private:
    // Offsets of the areas and of the fields inside a channel record.
    static constexpr int RecordBase = 0x0000; // record of ch at 16*ch
    static constexpr int RecordLength = 16;
    static constexpr int RecRx = 0;      // 4 bytes BCD, 10 Hz, little-endian
    static constexpr int RecTx = 4;      // 4 bytes BCD; FF FF FF FF = no TX
    static constexpr int RecDecode = 8;  // tone code, LE16
    static constexpr int RecEncode = 10; // tone code, LE16
    static constexpr int RecFlags1 = 12; // bit 3 busy lock
    static constexpr int RecFlags2 = 13; // bit 4 wide, bit 5 high power, bit 6 scan
    static constexpr int BitBusyLock = 3;
    static constexpr int BitWide = 4;
    static constexpr int BitHighPower = 5;
    static constexpr int BitScan = 6;
    static constexpr int NameBase = 0x1000; // name of ch at 0x1000 + 16*ch
    static constexpr int NameLength = 6;
    static constexpr int NotesBase = 0x2000; // notes of ch at 0x2000 + 32*(ch-1)
    static constexpr int BandLimitBase = 0x0970;
    static constexpr int BandLimitCount = 8;
    static constexpr int ChecksumOffset = ImageSize;

    // Field offsets; each raises RuntimeError 9 for a channel outside its range.
    static int RecordOffset(int ch); // 1..130
    static int NameOffset(int ch);   // 1..128
    static int NotesOffset(int ch);  // 1..128
    static bool IsMemoryChannel(int ch) { return ch >= 1 && ch <= ChannelCount; }

    // Raw access; offsets are image offsets 0..12291.
    uint8_t Byte(int offset) const { return image_[static_cast<size_t>(offset)]; }
    void setByte(int offset, uint8_t value) { image_[static_cast<size_t>(offset)] = value; }
    const uint8_t* At(int offset) const { return image_.data() + offset; }
    uint8_t* At(int offset) { return image_.data() + offset; }
    int GetBit(int offset, int bit) const;
    void SetBit(int offset, int bit, int value);
    static QString Hex2(uint8_t byte);

    // A 4-byte little-endian BCD frequency field (10 Hz units) as text in the
    // program's FrequencyFormat; "" when the bytes are not all BCD digits.
    QString FrequencyText(int offset) const;
    // Stores a frequency text; a text whose leading number is 0 stores nothing
    // and returns false (the caller decides what "no frequency" means).
    bool setFrequencyText(int offset, const QString& text);

    // Tone code fields (LE16).
    QString ToneField(int offset) const;
    void setToneField(int offset, const QString& text);

    // Channel-name character codes: 0-9, A-Z, ?, +, blank = 0..38; 255 none.
    static QString NameCodeText(uint8_t code);
    static uint8_t NameCharCode(QChar ch);

    void TakeSnapshot();

    std::array<uint8_t, 12292> image_{};
    std::array<uint8_t, ImageSize> snapshot_{};

    // Set by a TW import (image2), cleared by OpenFile and SaveFile; while it is
    // set BlankMemory leaves the notes alone.
    bool TWOriginFlag = false;
    // Set by OpenFile, Sbyt and a TW import; never cleared.
    bool filled_ = false;
};
