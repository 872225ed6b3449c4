#include "editor/parameter_file_commands.h"
#include "layout/layout_schema.h"

#include "layout/layout_messages.h"
#include "layout/layout_texts.h"
#include "layout/parameter_file.h"
#include "platform/dialogs.h"
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

QString problemMessage(const ParameterFileProblem& problem, const QString& path)
{
    const QString file = displayedPath(path);
    switch (problem.kind) {
    case ParameterFileProblem::Kind::None: return {};
    case ParameterFileProblem::Kind::Empty: return LayoutMessage::ParameterFileEmpty + kMessageBreak + file;
    case ParameterFileProblem::Kind::LineTooLong:
        return LayoutMessage::ParameterFileLineTooLong.arg(QString::number(problem.line), problem.field,
                                                           QString::number(kLongestParameterLine)) +
               kMessageBreak + file;
    case ParameterFileProblem::Kind::Incomplete:
        return LayoutMessage::ParameterFileIncomplete.arg(problem.line).arg(problem.recordStart) + kMessageBreak + file;
    case ParameterFileProblem::Kind::BadField:
        // One arg() call, so that a field holding "%1" is printed as it is.
        return LayoutMessage::ParameterFileBadField.arg(QString::number(problem.line), problem.key, problem.field,
                                                        QString::number(problem.recordStart)) +
               kMessageBreak + file;
    case ParameterFileProblem::Kind::OutOfRange: {
        const LayoutKind kind = layoutKind(problem.keyIndex);
        const QString& format = kind == LayoutKind::Colour  ? LayoutMessage::ParameterFileColourOutOfRange
                                : kind == LayoutKind::Width ? LayoutMessage::ParameterFileLineWidthTooSmall
                                                            : LayoutMessage::ParameterFileSizeTooSmall;
        return format.arg(QString::number(problem.line), problem.key, problem.field.trimmed(),
                          QString::number(problem.recordStart)) +
               kMessageBreak + file;
    }
    }
    return {};
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
    const TextFile file = readTextFile(path);
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
        dialogs.message(problemMessage(contents.problem, path));
}

void saveParameterFile(Program& program, const LayoutTexts& texts)
{
    if (commentTooLong(texts.comment)) {
        program.dialogs().message(LayoutMessage::CommentTooLong);
        return;
    }
    program.setFondQsl(program.store().read(Key::QslDeFond, kSampleBackground));
    const QString path = parameterFilePath(program.programFolder(), program.fondQsl());
    const Outcome written = writeTextLines(path, parameterFileLines(program.fondQsl(), texts));
    if (!written.ok())
        program.dialogs().message(LayoutMessage::ParameterFileNotCreated + kMessageBreak +
                                  LayoutMessage::FileAndReason.arg(displayedPath(path), written.reason()));
}
