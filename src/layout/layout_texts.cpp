#include "layout/layout_texts.h"
#include "layout/layout_schema.h"

#include "platform/number_format.h"
#include "settings/settings_store.h"

const QString& LayoutTexts::text(const QString& key) const
{
    const int index = layoutKeyIndex(key);
    Q_ASSERT(index >= 0);
    return values[index];
}

void LayoutTexts::setText(const QString& key, const QString& text)
{
    const int index = layoutKeyIndex(key);
    Q_ASSERT(index >= 0);
    values[index] = text;
}

int checkStateFromText(const QString& text, int fallback, const QLocale& locale)
{
    const std::optional<qint16> state = readInt16(text, locale);
    if (!state || *state < 0 || *state > 2)
        return fallback;
    return *state;
}

LayoutTexts readEditorTexts(const SettingsStore& store, const QLocale& locale)
{
    LayoutTexts texts;
    for (int i = 0; i < kLayoutValueCount; ++i) {
        const LayoutValue& entry = kLayoutValues[i];
        const QString key = QLatin1String(entry.key);
        const QString fallback = writeNumber(entry.editor, locale);
        const QString stored = store.read(key, fallback);
        if (layoutKind(i) == LayoutKind::Switch) {
            const int state = checkStateFromText(stored, static_cast<int>(entry.editor), locale);
            texts.values[i] = QString::number(state);
        } else {
            texts.values[i] = stored;
        }
    }
    texts.comment = store.read(Key::Commentaire, QString());
    return texts;
}

QList<std::pair<QString, QString>> editorStoreEntries(const LayoutTexts& texts)
{
    QList<std::pair<QString, QString>> entries;
    entries.reserve(kLayoutValueCount + 1);
    for (const QString& key : layoutWriteOrder())
        entries.append({key, texts.text(key)});
    entries.append({Key::Commentaire, texts.comment});
    return entries;
}

void writeEditorTexts(SettingsBatch& batch, const LayoutTexts& texts)
{
    for (const auto& [key, text] : editorStoreEntries(texts))
        batch.write(key, text);
}
