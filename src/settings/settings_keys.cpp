#include "settings/settings_keys.h"

int layoutKeyIndex(const QString& key)
{
    for (int i = 0; i < kLayoutKeyCount; ++i)
        if (key == QLatin1String(kLayoutKeys[i].key))
            return i;
    return -1;
}

QString positionKey(char axis, int item)
{
    return QStringLiteral("Pose %1%2").arg(QLatin1Char(axis)).arg(item);
}

const std::array<QString, kLayoutKeyCount>& layoutWriteOrder()
{
    static const std::array<QString, kLayoutKeyCount> order = [] {
        std::array<QString, kLayoutKeyCount> keys;
        int i = 0;
        for (int item = 1; item <= 22; ++item)
            keys[i++] = positionKey('V', item);
        for (int item = 1; item <= 22; ++item)
            keys[i++] = positionKey('H', item);
        for (const QString& key : kSizeKeys)
            keys[i++] = key;
        for (const QString& key : kSwitchKeys)
            keys[i++] = key;
        for (const QString& key : kColourKeys)
            keys[i++] = key;
        return keys;
    }();
    return order;
}
