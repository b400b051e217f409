#pragma once
// The per-user settings store: application "KG-UV Ferrowind", sections and keys
// as text, INI format. Values are written as text ("True"/"False", decimal
// numbers, colours as signed 32-bit decimals). Readers accept "True"/"False" in
// any case and decimal numbers for Booleans, decimal or "&H..." hex for numbers
// and colours, and report a value that does not convert so that the caller
// skips it and its target keeps the value it had.

#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

// The store's application name and folder. Tests point the folder at a
// temporary directory; an empty folder means the platform's per-user location.
void SetSettingsApplication(const QString& application);
QString SettingsApplication();
void SetSettingsFolder(const QString& folder);
QString SettingsFilePath();

// Text value of a key, or defaultValue when the key is missing.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue = QString());
void SaveSetting(const QString& section, const QString& key, const QString& value);
void DeleteSetting(const QString& section, const QString& key);
bool HasSetting(const QString& section, const QString& key);

// Conversions of stored text; std::nullopt when the text does not convert.
std::optional<bool> TextToBool(const QString& text);        // True/False any case, or a number (0 = False)
std::optional<int64_t> TextToLong(const QString& text);     // decimal or &H hex (&H is 32-bit signed)
std::optional<int32_t> TextToInt32(const QString& text);    // as TextToLong, within 32 bits
std::optional<double> TextToDouble(const QString& text);    // decimal with "."

// Readers: when the key exists and converts, target gets the value and the
// result is true; otherwise target is unchanged (a missing key gives
// defaultValue when one is passed through the overloads with a default).
bool ReadBool(const QString& section, const QString& key, bool& target);
bool ReadInt32(const QString& section, const QString& key, int32_t& target);
bool ReadDouble(const QString& section, const QString& key, double& target);

// Text forms the store writes.
QString BoolText(bool value);  // "True" / "False"
void SaveBool(const QString& section, const QString& key, bool value);
void SaveInt(const QString& section, const QString& key, int64_t value);

} // namespace platform
