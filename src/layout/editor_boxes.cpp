#include "layout/editor_boxes.h"

#include "layout/layout_schema.h"

QString editorBoxName(int keyIndex)
{
    Q_ASSERT(keyIndex >= 0 && keyIndex < kLayoutValueCount);
    return QLatin1String(kLayoutValues[keyIndex].box);
}

QString editorBoxDescription(int keyIndex)
{
    Q_ASSERT(keyIndex >= 0 && keyIndex < kLayoutValueCount);
    return QString::fromUtf8(kLayoutValues[keyIndex].description);
}
