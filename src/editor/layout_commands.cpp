#include "editor/layout_commands.h"
#include "layout/layout_schema.h"

#include "layout/card_sequence.h"
#include "layout/layout_messages.h"
#include "layout/layout_texts.h"
#include "layout/parameter_file.h"
#include "layout/sample_card.h"
#include "platform/dialogs.h"
#include "platform/drawing_surface.h"
#include "platform/file_reasons.h"
#include "platform/text_file.h"
#include "program/program.h"
#include "settings/settings_store.h"

#include <QDir>

namespace
{

void apply(Program& program, SettingsBatch& batch, const ParameterRecord& record)
{
    program.setFondQsl(record.background);
    program.cardLayout() = record.layout;
    for (const auto& [key, text] : parameterRecordStoreEntries(record))
        batch.write(key, text);
}

// What stopped the reading, in one sentence.
QString problemSentence(const ParameterFileProblem& problem)
{
    switch (problem.kind) {
    case ParameterFileProblem::Kind::None: return {};
    case ParameterFileProblem::Kind::Empty: return LayoutMessage::ParameterFileEmpty;
    case ParameterFileProblem::Kind::LineTooLong:
        return (problem.loneLineFeed ? LayoutMessage::ParameterFileLfLineTooLong
                                     : LayoutMessage::ParameterFileLineTooLong)
            .arg(QString::number(problem.line), problem.field, QString::number(kLongestParameterLine));
    case ParameterFileProblem::Kind::Incomplete:
        return LayoutMessage::ParameterFileIncomplete.arg(problem.line).arg(problem.recordStart);
    case ParameterFileProblem::Kind::BadField:
        // One arg() call, so that a field holding "%1" is printed as it is.
        return LayoutMessage::ParameterFileBadField.arg(QString::number(problem.line), problem.key, problem.field,
                                                        QString::number(problem.recordStart));
    case ParameterFileProblem::Kind::OutOfRange: {
        const LayoutKind kind = layoutKind(problem.keyIndex);
        const QString& format = kind == LayoutKind::Colour  ? LayoutMessage::ParameterFileColourOutOfRange
                                : kind == LayoutKind::Width ? LayoutMessage::ParameterFileLineWidthTooSmall
                                                            : LayoutMessage::ParameterFileSizeTooSmall;
        return format.arg(QString::number(problem.line), problem.key, problem.field.trimmed(),
                          QString::number(problem.recordStart));
    }
    }
    return {};
}

// The problem, what stayed loaded before it, the file, and the line feeds alone it comes from.
QString problemMessage(const ParameterFileContents& contents, const QString& path)
{
    const ParameterFileProblem& problem = contents.problem;
    QString message = problemSentence(problem);
    if (!contents.records.isEmpty()) {
        const int lastRecordStart = problem.recordStart - kParameterRecordLines;
        message += u' ' + LayoutMessage::ParameterFileLoadedBefore.arg(lastRecordStart)
                              .arg(lastRecordStart + kParameterRecordLines - 1);
    }
    message += kMessageBreak + displayedPath(path);
    if (problem.loneLineFeed)
        message += kMessageBreak + LayoutMessage::ParameterFileLoneLf;
    return message;
}

} // namespace

void loadParameterFile(Program& program)
{
    Dialogs& dialogs = program.dialogs();
    const QString path = dialogs.openFile(kParameterFileDescription, kParameterFilePattern);
    if (path.isEmpty()) {
        dialogs.message(kNothingChosen);
        return;
    }
    const TextFile file = readTextFile(path, kLargestParameterFile);
    if (!file.outcome.ok()) {
        dialogs.message(LayoutMessage::ParameterFileNotOpened + kMessageBreak +
                        LayoutMessage::FileAndReason.arg(displayedPath(path), file.outcome.reason()));
        return;
    }
    const ParameterFileContents contents = parseParameterFile(file.lines());
    {
        SettingsBatch batch(program.store(), dialogs);
        for (const ParameterRecord& record : contents.records)
            apply(program, batch, record);
    }
    if (contents.problem.kind != ParameterFileProblem::Kind::None)
        dialogs.message(problemMessage(contents, path));
}

bool testLayout(Program& program, const LayoutTexts& texts)
{
    Dialogs& dialogs = program.dialogs();
    program.readFondQsl(kSampleBackground);
    if (commentTooLong(texts.comment)) {
        dialogs.message(LayoutMessage::CommentTooLong);
        return false;
    }
    // Every box is converted before anything is drawn, so that a box the sample cannot use
    // leaves the export window and the store as they were.
    const SampleCard sample = sampleCard(texts, program.cardLanguageFrench());
    if (!sample.error.isEmpty()) {
        dialogs.message(sample.error);
        return false;
    }

    // Creating the export window runs its own creation sequence first.
    DrawingSurface& surface = program.exportSurface();
    if (const Outcome picture = surface.loadPicture(program.fondQsl()); !picture.ok()) {
        // The layout is sound without its picture: it is drawn on a cleared surface and stored.
        dialogs.message(LayoutMessage::BackgroundNotLoaded.arg(program.fondQsl(), picture.reason()) + kMessageBreak +
                        LayoutMessage::SampleWithoutBackground);
        surface.clear();
    }
    drawCardSequence(surface, sample.card);
    {
        SettingsBatch batch(program.store(), dialogs);
        writeEditorTexts(batch, texts);
    }
    program.setMsgQslEnregistrees(1);
    return true;
}

void saveParameterFile(Program& program, const LayoutTexts& texts)
{
    if (commentTooLong(texts.comment)) {
        program.dialogs().message(LayoutMessage::CommentTooLong);
        return;
    }
    program.readFondQsl(kSampleBackground);
    const QString path = parameterFilePath(program.programFolder(), program.fondQsl());
    const Outcome written = writeTextLines(path, parameterFileLines(program.fondQsl(), texts));
    if (!written.ok())
        program.dialogs().message(LayoutMessage::ParameterFileNotCreated + kMessageBreak +
                                  LayoutMessage::FileAndReason.arg(displayedPath(path), written.reason()));
}
