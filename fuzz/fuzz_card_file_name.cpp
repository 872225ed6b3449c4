// Fuzzes the card file name: whatever the callsign, band and mode (any bytes), the name is one
// file name inside the output folder (not empty, no separator, neither "." nor ".."), or a name
// the card writer refuses as one that cannot be written.
#include "card/card_fields.h"
#include "platform/file_reasons.h"
#include "platform/program_folder.h"
#include "platform/text_file.h"
#include "property_check.h"

#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first two bytes give the lengths of the callsign and the band; the mode is the rest.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype callsignLength = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes[0]);
    const qsizetype bandLength = bytes.size() < 2 ? 0 : static_cast<unsigned char>(bytes[1]);
    const QByteArray rest = bytes.mid(2);
    CardFields fields;
    fields.callsign = decodeText(rest.left(callsignLength));
    fields.band = decodeText(rest.mid(callsignLength, bandLength));
    fields.mode = decodeText(rest.mid(callsignLength + bandLength));

    static const QString folder = QStringLiteral("/card/E_QSL");
    const QString name = cardFileName(fields);
    const QString path = joinPath(folder, name);
    if (hasForbiddenCharacter(path))
        return 0; // refused: "le nom du fichier contient un caractère interdit"

    const QByteArray onDisk = QFile::encodeName(name);
    check(!name.isEmpty());
    check(!onDisk.contains('/') && !onDisk.contains('\0'));
    check(name != QLatin1String(".") && name != QLatin1String(".."));
    check(QFileInfo(path).path() == folder && QFileInfo(path).fileName() == name);
    return 0;
}
