#include "layout/card_layout.h"
#include "layout/layout_schema.h"

#include "platform/number_format.h"
#include "settings/settings_store.h"

CardLayout::CardLayout() = default;

qint16 CardLayout::value(const QString& key) const
{
    const int index = layoutKeyIndex(key);
    Q_ASSERT(index >= 0);
    return values_[index];
}

void CardLayout::setValue(const QString& key, qint16 value)
{
    const int index = layoutKeyIndex(key);
    Q_ASSERT(index >= 0);
    values_[index] = value;
}

void CardLayout::load(const SettingsStore& store, LayoutReader reader)
{
    for (int i = 0; i < kLayoutValueCount; ++i) {
        const LayoutValue& entry = kLayoutValues[i];
        const auto fallback = static_cast<qint16>(roundHalfEven(entry.fallback(reader)));
        const std::optional<QString> stored = store.value(QLatin1String(entry.key));
        values_[i] = stored ? readInt16(*stored).value_or(fallback) : fallback;
    }
}
