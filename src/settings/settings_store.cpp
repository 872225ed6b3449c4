#include "settings/settings_store.h"

#include "settings/settings_keys.h"

#include <QSettings>

namespace {

QSettings openStore()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kApplicationName),
                     QString::fromLatin1(kApplicationName));
}

QString qualified(const QString& key)
{
    return QString::fromLatin1(kSectionName) + QLatin1Char('/') + key;
}

} // namespace

SettingsStore::SettingsStore() = default;

std::optional<QString> SettingsStore::value(const QString& key) const
{
    const QSettings settings = openStore();
    const QVariant stored = settings.value(qualified(key));
    if (!stored.isValid())
        return std::nullopt;
    return stored.toString();
}

QString SettingsStore::read(const QString& key, const QString& fallback) const
{
    return value(key).value_or(fallback);
}

void SettingsStore::write(const QString& key, const QString& text)
{
    QSettings settings = openStore();
    settings.setValue(qualified(key), text);
    settings.sync();
}
