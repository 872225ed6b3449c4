#pragma once

#include "platform/outcome.h"

#include <QLockFile>
#include <QMap>
#include <QString>
#include <optional>

class Dialogs;

// Where the store keeps its texts.
enum class SettingsPlace {
    // An INI file of the user's configuration folder, in the form Qt's QSettings gives it
    // (`~/.config/E_QSL/E_QSL.ini`): the store of Linux, and of the tests on every system.
    IniFile,
    // The current user's registry, `HKEY_CURRENT_USER\Software\E_QSL\Setup `: Windows' own
    // store of a program's settings.
    Registry,
};

#ifdef Q_OS_WIN
inline constexpr SettingsPlace kSystemSettingsPlace = SettingsPlace::Registry;
#else
inline constexpr SettingsPlace kSystemSettingsPlace = SettingsPlace::IniFile;
#endif

// The per-user store of texts: application "E_QSL", section "Setup " (with its blank), in the
// system's own place (above); an absent key and a key holding an empty text stay different. A
// write is seen at once by every later read of the run, whether or not it could reach the file, so
// that the program goes on with what the user chose. The program's commands write through a
// SettingsBatch, whose writes reach the file all together when it ends; a write outside a command
// (a tool, a test's set-up) is written at once and returns its outcome.
//
// In an INI file, QSettings itself reads and writes the file, on a working copy: under the lock
// file QSettings uses, the file is read again (bounded: a file larger than kLargestFile is not a
// settings file of this program, and is neither read nor written over), QSettings puts the keys of
// the run into a copy of it, and the copy's bytes replace the file through writeFileReplacing(),
// so that a full disk or a failing medium leaves the file as it was. A link is written through, as
// QSettings writes it: its final target is replaced, the link stays. A file that cannot be read is
// never written over, a file that is not a regular file (a FIFO would block) is never opened, and
// a lock that another run holds beyond a few seconds makes the settings read-only for the rest of
// the run; a folder that refuses the lock file (read-only, full) is told as such, and the next
// save tries again. In the registry, each write is one value of the key, which the system writes
// whole or not at all.
class SettingsStore
{
public:
    explicit SettingsStore(SettingsPlace place = kSystemSettingsPlace);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The stored text, or nothing when the key was never written.
    std::optional<QString> value(const QString& key) const;

    // The stored text, or the fallback when the key is absent.
    QString read(const QString& key, const QString& fallback) const;

    bool contains(const QString& key) const { return value(key).has_value(); }

    // Writes the text and saves it to the file at once.
    Outcome writeAtOnce(const QString& key, const QString& text);

    // The settings file, or the registry key, as messages name it.
    QString fileName() const;

    // Writes what is pending to the file. A failure's reason is the whole message telling the
    // user that the settings cannot be saved (once only when another run holds the lock: the store
    // is then read-only, and later synchronisations succeed without writing).
    Outcome sync();

    // How long a synchronisation waits for the lock held by another run of the program.
    static constexpr int kLockWaitMilliseconds = 3000;

    // The largest settings file read or written: the program's own file is a few kilobytes.
    static constexpr qint64 kLargestFile = qint64(1024) * 1024;

private:
    friend class SettingsBatch;

    void load() const;
    void write(const QString& key, const QString& text);
    Outcome saveFailure(const QString& reason) const;
    Outcome lockFailure(const QString& lockPath, QLockFile::LockError error);
    Outcome syncFile();
    Outcome syncRegistry();

    SettingsPlace place_;
    mutable bool loaded_ = false;
    mutable QString path_;
    // The texts of the section as the file gave them, with the writes of the run.
    mutable QMap<QString, QString> values_;
    // The writes since the file last held them all.
    QMap<QString, QString> unsaved_;
    // The lock could not be taken: nothing more is written this run.
    bool readOnly_ = false;
    int openBatches_ = 0;
};

// The writes of one event handler, the only way a command writes: they reach the file with one
// synchronisation when the outermost batch ends, and a failure is told to the user once, with the
// handler's dialogs, however the handler ends.
class SettingsBatch
{
public:
    SettingsBatch(SettingsStore& store, Dialogs& dialogs);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

    // The text, seen at once by every read, saved when the outermost batch ends.
    void write(const QString& key, const QString& text) { store_.write(key, text); }

private:
    SettingsStore& store_;
    Dialogs& dialogs_;
};
