#include "layout/sample_card.h"

#include "layout/editor_boxes.h"
#include "layout/layout_messages.h"
#include "layout/layout_texts.h"
#include "platform/dialogs.h"
#include "platform/number_format.h"

#include <cmath>
#include <limits>

namespace
{

constexpr int kTextSizeCount = 6;
constexpr int kLastColour = 15;

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

    for (int i = 0; i < kLayoutKeyCount; ++i) {
        const QString& text = texts.values[i];
        if (isSwitchIndex(i)) {
            // Only a ticked box is on; a greyed one (2) counts as off.
            card.lineOn[i - kFirstSwitchIndex] = text == QLatin1String("1");
            continue;
        }
        const std::optional<double> single = readSingle(text, locale);
        if (!single) {
            sample.error = boxMessage(LayoutMessage::NotANumber, i, text);
            return sample;
        }
        // Cards are drawn from the stored texts rounded into 16 bits: a position or a text size
        // that does not fit would give a card unlike the sample.
        if (i < kFirstSizeIndex + kTextSizeCount && !readInt16(text, locale)) {
            sample.error = boxMessage(LayoutMessage::OutOfRange, i, text);
            return sample;
        }
        if (i < kFirstSizeIndex) {
            (i % 2 == 0 ? card.h : card.v)[i / 2] = *single;
        } else if (i < kFirstSizeIndex + kTextSizeCount) {
            if (*single < 1) {
                sample.error = boxMessage(LayoutMessage::SizeTooSmall, i, text);
                return sample;
            }
            card.textSize[i - kFirstSizeIndex] = *single;
        } else if (i < kFirstSwitchIndex) {
            const std::optional<qint16> width = readInt16(text, locale);
            if (!width || *width < 1) {
                sample.error = boxMessage(LayoutMessage::LineWidthOutOfRange, i, text);
                return sample;
            }
            card.lineWidth[i - kFirstSizeIndex - kTextSizeCount] = *width;
        } else {
            const std::optional<qint16> colour = readInt16(text, locale);
            if (!colour || *colour < 0 || *colour > kLastColour) {
                sample.error = boxMessage(LayoutMessage::ColourOutOfRange, i, text);
                return sample;
            }
            card.colour[i - kFirstColourIndex] = *colour;
        }
    }

    card.callsign = SampleQso::Callsign;
    card.date = SampleQso::Date;
    card.time = SampleQso::Time;
    card.band = SampleQso::Band;
    card.mode = SampleQso::Mode;
    card.rst = SampleQso::Rst;
    card.qslReceived = QString(); // the sample's QSL has not been received: "Pse QSL  73"
    card.via = SampleQso::Via;
    card.comment = texts.comment;
    card.french = french;

    card.viaWhenLineOn = true;
    card.dateHeadingFrench = true;
    card.boldOffBeforeHeadings = true;
    return sample;
}
