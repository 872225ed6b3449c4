#include "layout/layout_schema.h"

namespace
{

// The table's shape, checked where it is written.
constexpr bool kindsFollowEachOther()
{
    for (int i = 1; i < kLayoutValueCount; ++i)
        if (kLayoutValues[i].kind != kLayoutValues[i - 1].kind && firstLayoutIndex(kLayoutValues[i].kind) != i)
            return false;
    return true;
}

constexpr bool boxesUnique()
{
    for (int i = 0; i < kLayoutValueCount; ++i)
        if (layoutIndexOfBox(kLayoutValues[i].box) != i)
            return false;
    return true;
}

constexpr bool numbersFindTheirRow()
{
    for (int i = 0; i < kLayoutValueCount; ++i)
        if (layoutIndex(kLayoutValues[i].kind, kLayoutValues[i].number, kLayoutValues[i].axis) != i)
            return false;
    return true;
}

static_assert(kindsFollowEachOther());
static_assert(boxesUnique());
static_assert(numbersFindTheirRow());
// A switch and a colour per card line.
static_assert(kSwitchCount == kColourCount);

} // namespace

int layoutKeyIndex(const QString& key)
{
    for (int i = 0; i < kLayoutValueCount; ++i)
        if (key == QLatin1String(kLayoutValues[i].key))
            return i;
    return -1;
}

const std::array<QString, kLayoutValueCount>& layoutWriteOrder()
{
    static const std::array<QString, kLayoutValueCount> order = [] {
        std::array<QString, kLayoutValueCount> keys;
        int i = 0;
        for (const char axis : {'V', 'H'})
            for (const LayoutValue& value : kLayoutValues)
                if (value.kind == LayoutKind::Position && value.axis == axis)
                    keys[i++] = QLatin1String(value.key);
        for (const LayoutValue& value : kLayoutValues)
            if (value.kind != LayoutKind::Position)
                keys[i++] = QLatin1String(value.key);
        return keys;
    }();
    return order;
}
