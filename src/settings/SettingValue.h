#pragma once

#include "platform/Conversions.h"
#include "platform/Services.h"

#include <QString>

#include <cstdint>
#include <utility>

namespace lumari::stored {

// The application name every key is stored under.
inline const QString kApp = QStringLiteral("K.Orvel-Lumari");

// How a value is kept as text: numbers as plain decimal digits, read back by
// the classic conversion to the number's width (blanks around it allowed, a
// fraction rounded half to even, "Type mismatch" for what is no number,
// "Overflow" past the width); texts as they are.
template <typename T> struct TextForm;

template <> struct TextForm<QString> {
    static QString Write(const QString& value) { return value; }
    static QString Read(const QString& text) { return text; }
};
template <> struct TextForm<std::int16_t> {
    static QString Write(std::int16_t value) { return QString::number(value); }
    static std::int16_t Read(const QString& text) { return TextToInt16(text); }
};
template <> struct TextForm<std::int32_t> {
    static QString Write(std::int32_t value) { return QString::number(value); }
    static std::int32_t Read(const QString& text) { return TextToInt32(text); }
};

// A key of a section, read and written as text.
class StoredKey {
public:
    StoredKey(QString section, QString key) : section_(std::move(section)), key_(std::move(key)) {}

    constexpr const QString& section() const { return section_; }
    constexpr const QString& key() const { return key_; }

    // The stored text as it is, "" included; the default only when the key
    // does not exist.
    QString Text(Settings& settings, const QString& defaultText) const;
    // Written through at once: 70 or 75 when the file cannot be written.
    void Save(Settings& settings, const QString& text) const;

private:
    QString section_;
    QString key_;
};

// A stored key with its type and the value it has while it does not exist.
template <typename T>
class SettingValue : public StoredKey {
public:
    SettingValue(QString section, QString key, T defaultValue)
        : StoredKey(std::move(section), std::move(key)), default_(std::move(defaultValue))
    {
    }

    const T& defaultValue() const { return default_; }

    // The stored value. A stored text that is no number of the width raises
    // the run-time error of the classic conversion, for the reader's trap.
    T Get(Settings& settings) const { return TextForm<T>::Read(Text(settings)); }
    // The stored text as it is, or the default's text.
    QString Text(Settings& settings) const { return StoredKey::Text(settings, TextForm<T>::Write(default_)); }
    void Set(Settings& settings, const T& value) const { Save(settings, TextForm<T>::Write(value)); }

private:
    T default_;
};

}  // namespace lumari::stored
