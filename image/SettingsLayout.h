#pragma once
// Where the radio keeps its configuration, VFO and FM-broadcast settings in the
// image, and how the TW file lays its blocks out.
//
//   0x0842 + 2(n-1)  FM broadcast bank 1, entries 1..9 (16-bit, high byte first)
//   0x0882 + 2(n-1)  FM broadcast bank 2
//   0x0E00  6        power-up message line 1
//   0x0E06  6        power-up message line 2
//   0x0E0C  6        single-receive message
//   0x0E20..0x0E5F   one byte per setting (table below), three six-digit codes
//   0x1810  1 + 4    VFO A shift direction, shift frequency digits
//   0x1820  1 + 4    VFO B shift direction, shift frequency digits

#include <array>
#include <cstdint>

namespace settingslayout {

constexpr int PowerUpMsgLine1 = 0x0E00;
constexpr int PowerUpMsgLine2 = 0x0E06;
constexpr int SingleReceiveMsg = 0x0E0C;
constexpr int MessageLength = 6;

constexpr int DisplayModeB = 0x0E20;
constexpr int FrequencyStepA = 0x0E21;
constexpr int SquelchSettingA = 0x0E22;
constexpr int BatterySave = 0x0E23;
constexpr int RogerBeep = 0x0E25;
constexpr int TOT = 0x0E26;
constexpr int VOX = 0x0E27;
constexpr int VoicePrompt = 0x0E2C;
constexpr int Beep = 0x0E2D;
constexpr int ANITransmit = 0x0E2E;
constexpr int FrequencyStepB = 0x0E31;
constexpr int ANIDelay = 0x0E33;
constexpr int SideTone = 0x0E35;
constexpr int TOTAlarm = 0x0E36;
constexpr int DisplayModeA = 0x0E37;
constexpr int ScanMode = 0x0E38;
constexpr int KeyLock = 0x0E39;
constexpr int PowerOnDisplay = 0x0E3A;
constexpr int SideKey = 0x0E3B;
constexpr int Backlight = 0x0E3D;
constexpr int SquelchSettingB = 0x0E42;
constexpr int Stopwatch = 0x0E44;
constexpr int StartChannelA = 0x0E45;
constexpr int DualReceive = 0x0E46;
constexpr int CurrentVFO = 0x0E47;
constexpr int ModePassword = 0x0E4A;
constexpr int ResetPassword = 0x0E50;
constexpr int ANI_ID = 0x0E56;
constexpr int CodeLength = 6;
constexpr int Menu = 0x0E5C;
constexpr int PriorityChannel = 0x0E5E;
constexpr int StartChannelB = 0x0E5F;

constexpr uint8_t MenuEnabled = 7;
constexpr uint8_t MenuDisabled = 6;
constexpr uint8_t CurrentVfoB = 0x80;
constexpr uint8_t NoCodeDigit = 0xFF;

constexpr int ShiftDirectionA = 0x1810;
constexpr int ShiftFrequencyA = 0x1811;
constexpr int ShiftDirectionB = 0x1820;
constexpr int ShiftFrequencyB = 0x1821;
constexpr int ShiftDigits = 4;

constexpr int FMBank1 = 0x0842;
constexpr int FMBank2 = 0x0882;
constexpr int FMEntries = 9;
constexpr uint16_t FMEmpty = 0xFFFF;

// --- TW file ---------------------------------------------------------------
//
//   file offset  length
//   0            4      02 00 00 00
//   4            2176   image 0x0010..0x080F in 64-byte blocks, 4-byte headers
//   2180         2112   image 0x1010..0x180F in 64-byte blocks, 2-byte headers
//   4292         68     image 0x0810..0x084F, 4-byte header
//   4360         66     image 0x0970..0x09AF
//   4426         66     image 0x0E20..0x0E5F
//   4492         66     image 0x1810..0x184F
//   4558         8      image 0x0E06..0x0E0B
//   4566         58     FF
//   4624         548    three fixed runs of 32-bit little-endian values

constexpr int TwFileSize = 5172;
constexpr int TwBlockSize = 64;
constexpr int TwFillerLength = 58;

struct TwArea {
    int start;
    int length;
    int headerLength;
};

constexpr std::array<TwArea, 7> TwAreas{{
    {0x0010, 0x0800, 4},
    {0x1010, 0x0800, 2},
    {0x0810, 0x0040, 4},
    {0x0970, 0x0040, 2},
    {0x0E20, 0x0040, 2},
    {0x1810, 0x0040, 2},
    {0x0E06, 0x0006, 2},
}};

struct TwValueRun {
    uint32_t first;
    int count;
};
constexpr uint32_t TwValueStep = 80;
constexpr std::array<TwValueRun, 3> TwValueRuns{{
    {3758416, 61},
    {3771512, 64},
    {3776648, 12},
}};

// Positions within the settings block 0x0E20..0x0E5F that an import takes over.
constexpr std::array<uint8_t, 30> TwImportedSettings{
    0x00, 0x01, 0x02, 0x03, 0x05, 0x06, 0x07, 0x0C, 0x0D, 0x0E, 0x11, 0x13, 0x15, 0x16, 0x17,
    0x18, 0x19, 0x1A, 0x1B, 0x1D, 0x21, 0x22, 0x24, 0x25, 0x2A, 0x30, 0x36, 0x3C, 0x3E, 0x3F};

// What an import copies of the VFO record block: VFO A and B, not the FM entries.
constexpr int TwVfoRecordsLength = 32;

} // namespace settingslayout
