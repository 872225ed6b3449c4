#include "layout/card_layout.h"
#include "layout/card_sequence.h"
#include "layout/layout_texts.h"
#include "layout/parameter_file.h"
#include "layout/sample_card.h"
#include "platform/number_format.h"
#include "platform/text_file.h"
#include "settings/settings_store.h"
#include "support/case_files.h"
#include "support/drawing_log.h"
#include "support/test_store.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace
{

// One row per file of the data folder with the extension.
void addFileRows(const QString& folder, const QString& extension)
{
    QTest::addColumn<QString>("path");
    const QString path = dataPath(u"layout/"_s + folder + u'/');
    for (const QString& name : dataFiles(path, u"*"_s + extension))
        QTest::newRow(qPrintable(name)) << path + name;
}

QStringList entryLines(const QList<std::pair<QString, QString>>& entries)
{
    QStringList lines;
    for (const auto& [key, text] : entries)
        lines << key + u'=' + text;
    return lines;
}

} // namespace

// The editor's texts, its sample card and the parameter file, under a French number format.
class TestLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestStore> env_; // restores the number format when it goes

    LayoutTexts defaults() const { return readEditorTexts(env_->store); }

private slots:
    void init() { env_ = std::make_unique<TestStore>(QLocale(QLocale::French)); }
    void cleanup() { env_.reset(); }

    // An absent key, then a text that is not a 16-bit number, gives each reader its own default, a
    // whole number; nothing is written back.
    void readersDefaults()
    {
        for (const QString& stored : {QString(), u"abc"_s, u"40000"_s}) {
            if (!stored.isNull()) {
                SettingsBatch batch(env_->store, env_->dialogs);
                for (const LayoutValue& value : kLayoutValues)
                    batch.write(QLatin1String(value.key), stored);
            }
            for (const LayoutReader reader : {LayoutReader::StartUp, LayoutReader::Export}) {
                CardLayout layout;
                layout.load(env_->store, reader);
                for (int i = 0; i < kLayoutValueCount; ++i)
                    QCOMPARE(double(layout.at(i)), kLayoutValues[i].fallback(reader));
            }
            for (const LayoutValue& value : kLayoutValues)
                QCOMPARE(env_->store.value(QLatin1String(value.key)).value_or(u"-"_s),
                         stored.isNull() ? u"-"_s : stored);
        }
    }

    // With an empty store the boxes show the editor's defaults in the user's number format; "Tester"
    // stores the vertical positions, the horizontal ones, the other values in the table's order,
    // then the comment.
    void editorDefaults()
    {
        QStringList entries;
        for (const char axis : {'V', 'H', '\0'})
            for (const LayoutValue& value : kLayoutValues)
                if (value.axis == axis)
                    entries << QLatin1String(value.key) + u'=' + writeNumber(value.editor);
        QCOMPARE(entryLines(editorStoreEntries(defaults())), entries << u"Commentaire="_s);
    }

    // A text stored for "Pose H7" comes back exactly and is read at start-up in the user's number
    // format; "Setup" is another section than the program's "Setup ".
    void startUpReadsStoredTexts_data()
    {
        QTest::addColumn<QStringList>("row"); // the text stored, the value read
        for (const QString& row : dataLines(dataPath(u"layout/stored-texts.txt"_s)))
            QTest::newRow(qPrintable(row)) << row.split(u'|');
    }

    void startUpReadsStoredTexts()
    {
        QFETCH(QStringList, row);
        QSettings(QSettings::IniFormat, QSettings::UserScope, "E_QSL", "E_QSL").setValue("Setup/Pose H1", "50");
        env_->setStored(u"Pose H7"_s, row[0]);
        QCOMPARE(SettingsStore(SettingsPlace::IniFile).read(u"Pose H7"_s, QString()), row[0]);
        CardLayout layout;
        layout.load(env_->store, LayoutReader::StartUp);
        QCOMPARE(QList<int>({layout.h(7), layout.h(1)}), QList<int>({row[1].toInt(), 5}));
    }

    // A stored switch shows as a check box state; every other text as stored; the comment limit.
    void storedTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        addRow("decimal comma kept", "Pose H3", "12,5", "12,5");
        addRow("blanks kept", "Coul L2", " 7 ", " 7 ");
        addRow("not a number kept", "T QSO", "abc", "abc");
        addRow("empty is not absent", "Pose V9", "", "");
        addRow("switch greyed", "Aff L5", "2", "2");
        addRow("switch with blanks", "Aff L6", " 1 ", "1");
        addRow("switch half rounds to even", "Aff L7", "0,5", "0");
        addRow("switch fraction rounds up", "Aff L7", "1,5", "2");
        addRow("switch not a number, default on", "Aff L2", "oui", "1");
        addRow("switch out of range, default off", "Aff L4", "3", "0");
        addRow("comment of 30", "Commentaire", QString(30, u'c'), "short");
        addRow("comment of 30 with an emoji", "Commentaire", QString(28, u'c') + u"é😀"_s, "short");
        addRow("comment of 31", "Commentaire", QString(31, u'c'), "too long");
    }

    void storedTexts()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        env_->setStored(key, stored);
        if (key == u"Commentaire"_s)
            QCOMPARE(QString(commentTooLong(defaults().comment) ? "too long" : "short"), shown);
        else
            QCOMPARE(defaults().text(key), shown);
    }

    // Each file: "lang fr|en", "set <key>=<text>", "comment <text>", "---", then the drawing calls.
    void sampleCardDrawing_data() { addFileRows(u"sample"_s, u".txt"_s); }
    void sampleCardDrawing()
    {
        QFETCH(QString, path);
        const QStringList lines = dataLines(path);
        const qsizetype split = lines.indexOf(u"---"_s);
        QVERIFY(split > 0);
        LayoutTexts texts = defaults();
        for (const QString& line : lines.mid(1, split - 1)) {
            if (line.startsWith(u"set "_s))
                texts.setText(line.mid(4).section(u'=', 0, 0), line.section(u'=', 1));
            else
                texts.comment = line.mid(8);
        }
        const SampleCard sample = sampleCard(texts, lines.at(0) == u"lang fr"_s);
        QCOMPARE(sample.error, QString());
        DrawingLog log;
        drawCardSequence(log, sample.card);
        QCOMPARE(log.calls, lines.mid(split + 1));
    }

    // Each line: key, text, the message naming the box or "none", whether or not the box's line is on.
    void boxesTheSampleRefuses_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        for (const QString& line : dataLines(dataPath(u"layout/refused_boxes.txt"_s))) {
            const QStringList row = line.split(u'\t');
            addRow(qPrintable(row.value(0) + u'=' + row.value(1)), row.value(0), row.value(1), row.value(2));
        }
    }

    void boxesTheSampleRefuses()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, message);
        LayoutTexts texts = defaults();
        texts.setText(key, text);
        QCOMPARE(sampleCard(texts, true).error,
                 message == u"none"_s ? QString() : message + u"\r\nRien n'a été dessiné ni enregistré."_s);
    }

    // A parameter file, as read: the store entries of each record taken, then why reading stopped.
    void parameterFileRead_data() { addFileRows(u"read"_s, u".inf"_s); }
    void parameterFileRead()
    {
        QFETCH(QString, path);
        const ParameterFileContents contents = parseParameterFile(readTextFile(path).lines());
        QStringList got;
        for (const ParameterRecord& record : contents.records)
            got += entryLines(parameterRecordStoreEntries(record));
        const ParameterFileProblem& p = contents.problem;
        const char* kinds[] = {"none", "empty", "incomplete", "bad field", "out of range", "line too long"};
        QString problem = u"problem "_s + QLatin1String(kinds[static_cast<int>(p.kind)]);
        if (p.line > 0)
            problem += u" line %1 record %2"_s.arg(p.line).arg(p.recordStart);
        if (!p.key.isEmpty())
            problem += u" key %1 field «%2»"_s.arg(p.key, p.field);
        if (p.loneLineFeed)
            problem += u" lone LF"_s;
        QCOMPARE(got << problem, dataLines(path.chopped(4) + u".expected"_s));
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
