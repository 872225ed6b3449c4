#include "layout/sample_card.h"
#include "layout/layout_schema.h"

#include "layout/editor_boxes.h"
#include "layout/layout_messages.h"
#include "layout/layout_texts.h"
#include "platform/dialogs.h"
#include "platform/number_format.h"

#include <cmath>
#include <limits>

namespace
{

QString boxMessage(const QString& format, int keyIndex, const QString& text)
{
    return format.arg(editorBoxName(keyIndex), editorBoxDescription(keyIndex), text) + kMessageBreak +
           LayoutMessage::NothingStored;
}

// The text as a 32-bit real, as the sample uses positions and sizes.
std::optional<double> readSingle(const QString& text, const QLocale& locale)
{
    const std::optional<double> value = readNumber(text, locale);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<double>(static_cast<float>(*value));
}

} // namespace

SampleCard sampleCard(const LayoutTexts& texts, bool french, const QLocale& locale)
{
    SampleCard sample;
    CardSequence& card = sample.card;

    for (int i = 0; i < kLayoutValueCount; ++i) {
        const LayoutValue& value = kLayoutValues[i];
        const auto place = static_cast<size_t>(value.number - 1);
        const QString& text = texts.values[i];
        if (value.kind == LayoutKind::Switch) {
            // Only a ticked box is on; a greyed one (2) counts as off.
            card.lineOn[place] = text == QLatin1String("1");
            continue;
        }
        const std::optional<double> single = readSingle(text, locale);
        if (!single) {
            sample.error = boxMessage(LayoutMessage::NotANumber, i, text);
            return sample;
        }
        // Cards are drawn from the stored texts rounded into 16 bits, so every value must fit
        // them. A position or a text size is drawn with its fractions: a size is held to the low
        // end of its range as typed. A line width or a colour is drawn rounded.
        const std::optional<qint16> rounded = readInt16(text, locale);
        switch (value.kind) {
        case LayoutKind::Position:
        case LayoutKind::Size:
            if (!rounded) {
                sample.error = boxMessage(LayoutMessage::OutOfRange, i, text);
                return sample;
            }
            if (value.kind == LayoutKind::Size && *single < value.range.min) {
                sample.error = boxMessage(LayoutMessage::SizeTooSmall, i, text);
                return sample;
            }
            if (value.kind == LayoutKind::Size)
                card.textSize[place] = *single;
            else
                (value.axis == 'H' ? card.h : card.v)[place] = *single;
            break;
        case LayoutKind::Width:
            if (!rounded || !value.range.contains(*rounded)) {
                sample.error = boxMessage(LayoutMessage::LineWidthOutOfRange, i, text);
                return sample;
            }
            card.lineWidth[place] = *rounded;
            break;
        case LayoutKind::Colour:
            if (!rounded || !value.range.contains(*rounded)) {
                sample.error = boxMessage(LayoutMessage::ColourOutOfRange, i, text);
                return sample;
            }
            card.colour[place] = *rounded;
            break;
        case LayoutKind::Switch: break;
        }
    }

    card.callsign = SampleQso::Callsign;
    card.date = SampleQso::Date;
    card.time = SampleQso::Time;
    card.band = SampleQso::Band;
    card.mode = SampleQso::Mode;
    card.rst = SampleQso::Rst;
    card.qslReceived = false; // the sample's QSL has not been received: "Pse QSL  73"
    card.via = SampleQso::Via;
    card.comment = texts.comment;
    card.french = french;

    card.viaWhenLineOn = true;
    card.dateHeadingFrench = true;
    card.boldOffBeforeHeadings = true;
    return sample;
}
