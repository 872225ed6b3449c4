#pragma once

#include <QString>
#include <optional>

// The per-user store of texts: application "E_QSL", section "Setup " (with its blank).
//
// Kept in a QSettings INI file of the user's scope. Every read goes to the store and every
// write is synced at once; an absent key and a key holding an empty text stay different.
class SettingsStore {
public:
    SettingsStore();

    // The stored text, or nothing when the key was never written.
    std::optional<QString> value(const QString& key) const;

    // The stored text, or the fallback when the key is absent.
    QString read(const QString& key, const QString& fallback) const;

    bool contains(const QString& key) const { return value(key).has_value(); }

    void write(const QString& key, const QString& text);
};
