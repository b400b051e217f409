#include "platform/core/Settings.h"

#include "platform/core/NumberText.h"
#include "platform/core/ProgramTitle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <cmath>
#include <memory>

namespace platform {

namespace {

// Changes that no natural point has written out reach the file once they
// have rested this long.
constexpr int QuietWriteMs = 1000;

// The store of the run: one QSettings on the file, so a write costs no more
// than a change in memory, and every read sees the last value written.
//
// QSettings would itself write the whole file at the next pass of the event
// loop after a change; while a window border is dragged that is after every
// resize event. Its write waits instead until the changes have rested.
class RunStore : public QSettings {
public:
    explicit RunStore(const QString& path) : QSettings(path, QSettings::IniFormat) {
        quietWrite_.setSingleShot(true);
        quietWrite_.setInterval(QuietWriteMs);
        QObject::connect(&quietWrite_, &QTimer::timeout, this, [this] { sync(); });
    }

    // Called after every change.
    void changed() {
        // The first change of a store that has no file yet creates it at
        // once, folder and all, so a fresh store is on disk from its first
        // use on.
        if (!fileKnown_) {
            fileKnown_ = true;
            if (!QFileInfo::exists(fileName())) {
                QDir().mkpath(QFileInfo(fileName()).absolutePath());
                sync();
                return;
            }
        }
        if (QCoreApplication::instance())
            quietWrite_.start();
    }

    void flush() {
        quietWrite_.stop();
        sync(); // a failed write is not reported
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest)
            return true;
        return QSettings::event(event);
    }

private:
    QTimer quietWrite_;
    bool fileKnown_ = false;
};

struct StorePlace {
    QString application = ProgramTitle();
    QString folder;
    std::unique_ptr<RunStore> store;
    bool exitRoutineAdded = false;
};

StorePlace& Place() {
    static StorePlace place;
    return place;
}

// Writes out and lets go of the store; the next use opens it afresh, at the
// place named then.
void DropStore() {
    StorePlace& place = Place();
    if (!place.store)
        return;
    place.store->flush();
    place.store.reset();
}

RunStore& Store() {
    StorePlace& place = Place();
    if (!place.store) {
        place.store = std::make_unique<RunStore>(SettingsFilePath());
        // The store is written out while the application object still
        // stands, not among the static objects after it.
        if (QCoreApplication::instance() && !place.exitRoutineAdded) {
            place.exitRoutineAdded = true;
            qAddPostRoutine(DropStore);
        }
    }
    return *place.store;
}

// The store opened on one section for as long as it lives.
class Section {
public:
    explicit Section(const QString& section) : store_(Store()) { store_.beginGroup(section); }
    ~Section() { store_.endGroup(); }
    Section(const Section&) = delete;
    Section& operator=(const Section&) = delete;
    RunStore* operator->() { return &store_; }

private:
    RunStore& store_;
};

// The per-user folder: the generic configuration folder, i.e.
// $XDG_CONFIG_HOME (normally ~/.config) on Linux, so the store is
// "~/.config/KG-UV Ferrowind.ini" -- where QSettings' own per-user INI file
// would be for a program without an organisation. The application object's
// names play no part, so the path stays the same whoever starts us.
QString UserFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// Values always travel as QString; a text with commas that was not written
// by us (hand-edited, unquoted) comes back from QSettings as a list.
QString VariantText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

std::optional<int64_t> HexToLong(const QString& digits) {
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    // Hex digits only: toUInt would also take blanks, a sign or a "0x" of its own.
    for (const QChar ch : digits) {
        const char16_t c = ch.unicode();
        const bool hex =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!hex)
            return std::nullopt;
    }
    return static_cast<int32_t>(digits.toUInt(nullptr, 16));
}

} // namespace

void SetSettingsApplication(const QString& application) {
    DropStore();
    Place().application = application;
}

QString SettingsApplication() {
    return Place().application;
}

void SetSettingsFolder(const QString& folder) {
    DropStore();
    Place().folder = folder;
}

QString SettingsFolder() {
    return Place().folder;
}

QString SettingsFilePath() {
    const QString folder = Place().folder.isEmpty() ? UserFolder() : Place().folder;
    return QDir(folder).filePath(Place().application + QStringLiteral(".ini"));
}

void FlushSettings() {
    if (RunStore* store = Place().store.get())
        store->flush();
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    Section store(section);
    if (!store->contains(key))
        return defaultValue;
    return VariantText(store->value(key));
}

void SaveSetting(const QString& section, const QString& key, const QString& value) {
    Section store(section);
    store->setValue(key, value);
    store->changed();
}

void DeleteSetting(const QString& section, const QString& key) {
    Section store(section);
    store->remove(key);
    store->changed();
}

bool HasSetting(const QString& section, const QString& key) {
    Section store(section);
    return store->contains(key);
}

std::optional<bool> TextToBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> number = TextToDouble(t);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}

std::optional<int64_t> TextToLong(const QString& text) {
    QString t = text.trimmed();
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        if (t.endsWith(QLatin1Char('&')))
            t.chop(1);
        return HexToLong(t.mid(2));
    }
    if (!IsLocaleNumber(t, QLocale::c()))
        return std::nullopt;
    const double rounded = RoundHalfEven(ToDouble(t, QLocale::c()));
    // Beyond 2^53 a double no longer holds every whole number; nothing the
    // program stores comes near it.
    if (std::fabs(rounded) > 9007199254740992.0)
        return std::nullopt;
    return static_cast<int64_t>(rounded);
}

std::optional<int32_t> TextToInt32(const QString& text) {
    const std::optional<int64_t> value = TextToLong(text);
    if (!value || *value < INT32_MIN || *value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(*value);
}

std::optional<double> TextToDouble(const QString& text) {
    const QString t = text.trimmed();
    if (IsLocaleNumber(t, QLocale::c()))
        return ToDouble(t, QLocale::c());
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        if (const std::optional<int64_t> value = TextToLong(t))
            return static_cast<double>(*value);
    }
    return std::nullopt;
}

namespace {

template <typename T, typename Convert>
bool ReadInto(const QString& section, const QString& key, T& target, Convert convert) {
    Section store(section);
    if (!store->contains(key))
        return false;
    const auto value = convert(VariantText(store->value(key)));
    if (!value)
        return false;
    target = static_cast<T>(*value);
    return true;
}

template <typename T, typename Convert>
bool ReadInto(const QString& section, const QString& key, T& target, T defaultValue,
              Convert convert) {
    if (!HasSetting(section, key)) {
        target = defaultValue;
        return true;
    }
    return ReadInto(section, key, target, convert);
}

} // namespace

bool ReadBool(const QString& section, const QString& key, bool& target) {
    return ReadInto(section, key, target, TextToBool);
}

bool ReadInt32(const QString& section, const QString& key, int32_t& target) {
    return ReadInto(section, key, target, TextToInt32);
}

bool ReadDouble(const QString& section, const QString& key, double& target) {
    return ReadInto(section, key, target, TextToDouble);
}

bool ReadBool(const QString& section, const QString& key, bool& target, bool defaultValue) {
    return ReadInto(section, key, target, defaultValue, TextToBool);
}

bool ReadInt32(const QString& section, const QString& key, int32_t& target, int32_t defaultValue) {
    return ReadInto(section, key, target, defaultValue, TextToInt32);
}

bool ReadDouble(const QString& section, const QString& key, double& target, double defaultValue) {
    return ReadInto(section, key, target, defaultValue, TextToDouble);
}

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void SaveBool(const QString& section, const QString& key, bool value) {
    SaveSetting(section, key, BoolText(value));
}

void SaveInt(const QString& section, const QString& key, int64_t value) {
    SaveSetting(section, key, QString::number(value));
}

void SaveDouble(const QString& section, const QString& key, double value) {
    SaveSetting(section, key, NumberToText(value, QLocale::c()));
}

} // namespace platform
