#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class Dialogs;
class QSettings;
class QTemporaryDir;

// The per-user store of texts: application "E_QSL", section "Setup " (with its blank).
//
// Kept in a QSettings INI file of the user's scope; an absent key and a key holding an empty text
// stay different. A write is seen at once by every later read of the run, whether or not it could
// reach the file, so that the program goes on with what the user chose. Writes reach the file at
// once, or, inside a SettingsBatch, all together when the batch ends.
class SettingsStore
{
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or nothing when the key was never written.
    std::optional<QString> value(const QString& key) const;

    // The stored text, or the fallback when the key is absent.
    QString read(const QString& key, const QString& fallback) const;

    bool contains(const QString& key) const { return value(key).has_value(); }

    void write(const QString& key, const QString& text);

    // The settings file.
    QString fileName() const;

    // Writes what is pending to the file and checks that it is there. Returns an empty text, or
    // the message telling the user that the settings cannot be saved.
    QString sync();

private:
    friend class SettingsBatch;

    QSettings& settings() const;
    std::unique_ptr<QSettings> open() const;

    // Made on first use, so that it opens the settings folder of that moment.
    mutable std::unique_ptr<QSettings> settings_;
    // Where the values of the run are kept when the settings file is no regular file (a FIFO
    // would block whoever opens it): every synchronisation then tells that nothing is saved.
    mutable std::unique_ptr<QTemporaryDir> standIn_;
    // The keys written since the file last held them all.
    QStringList unsaved_;
    int openBatches_ = 0;
};

// The writes of one event handler: they reach the file with one synchronisation when the
// outermost batch ends, and a failure is told to the user once.
class SettingsBatch
{
public:
    SettingsBatch(SettingsStore& store, Dialogs& dialogs);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore& store_;
    Dialogs& dialogs_;
};
