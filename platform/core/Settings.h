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
// temporary directory; an empty folder means the per-user configuration folder
// (QStandardPaths::GenericConfigLocation), so on Linux the store is
// "$XDG_CONFIG_HOME/KG-UV Ferrowind.ini", normally "~/.config/KG-UV Ferrowind.ini".
//
// One store serves the run: a write changes it in memory and a read sees the
// last value written. It reaches the file when FlushSettings is called, a
// second after the last change while the event loop runs, when the folder or
// application name changes (the old store is written out first), and when
// the application object goes. The first write to a store that has no file
// yet creates folder and file at once.
void SetSettingsApplication(const QString& application);
QString SettingsApplication();
void SetSettingsFolder(const QString& folder);
QString SettingsFolder();
QString SettingsFilePath();
// Writes every change out now: called where a user's changes are complete (a
// settings dialog confirmed, a document window closed, the program's exit).
void FlushSettings();

// Text value of a key, or defaultValue when the key is missing. Values are
// kept exactly: trailing blanks, commas, leading "@" and all.
QString GetSetting(const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& section, const QString& key, const QString& value);
void DeleteSetting(const QString& section, const QString& key);
bool HasSetting(const QString& section, const QString& key);

// Conversions of stored text; std::nullopt when the text does not convert.
std::optional<bool> TextToBool(const QString& text); // True/False any case, or a number (0 = False)
std::optional<int64_t> TextToLong(const QString& text);  // decimal or &H hex (&H is 32-bit signed)
std::optional<int32_t> TextToInt32(const QString& text); // as TextToLong, within 32 bits
std::optional<double> TextToDouble(const QString& text); // decimal with ".", or &H hex

// Readers: when the key exists and converts, target gets the value and the
// result is true; otherwise target is unchanged and the result false.
bool ReadBool(const QString& section, const QString& key, bool& target);
bool ReadInt32(const QString& section, const QString& key, int32_t& target);
bool ReadDouble(const QString& section, const QString& key, double& target);
// The same with a default: a missing key gives target = defaultValue (true);
// a stored value that does not convert still leaves target unchanged (false).
bool ReadBool(const QString& section, const QString& key, bool& target, bool defaultValue);
bool ReadInt32(const QString& section, const QString& key, int32_t& target, int32_t defaultValue);
bool ReadDouble(const QString& section, const QString& key, double& target, double defaultValue);

// Text forms the store writes.
QString BoolText(bool value); // "True" / "False"
void SaveBool(const QString& section, const QString& key, bool value);
void SaveInt(const QString& section, const QString& key, int64_t value);
// Shortest decimal text with "." (a fractional twips measure keeps its fraction).
void SaveDouble(const QString& section, const QString& key, double value);

} // namespace platform
