#include "platform/jpeg_structure.h"

#include <QFile>
#include <cstring>

namespace
{

constexpr qint64 kChunk = 1 << 16;

// The file's bytes one at a time, read a chunk at a time.
class ByteReader
{
public:
    explicit ByteReader(QFile& file) : file_(file) {}

    // The next byte, or -1 at the end of the file (or when it cannot be read).
    int next()
    {
        if (at_ == buffer_.size() && !refill())
            return -1;
        return static_cast<unsigned char>(buffer_[at_++]);
    }

    bool skip(qint64 count)
    {
        while (count > 0) {
            if (at_ == buffer_.size() && !refill())
                return false;
            const qint64 step = qMin(count, buffer_.size() - at_);
            at_ += step;
            count -= step;
        }
        return true;
    }

    // Skips to the next 0xFF byte and takes it; false at the end of the file.
    bool toNextFF()
    {
        for (;;) {
            if (at_ == buffer_.size() && !refill())
                return false;
            const char* start = buffer_.constData() + at_;
            const void* found = std::memchr(start, 0xFF, static_cast<size_t>(buffer_.size() - at_));
            if (found) {
                at_ += static_cast<const char*>(found) - start + 1;
                return true;
            }
            at_ = buffer_.size();
        }
    }

private:
    bool refill()
    {
        buffer_ = file_.read(kChunk);
        at_ = 0;
        return !buffer_.isEmpty();
    }

    QFile& file_;
    QByteArray buffer_;
    qint64 at_ = 0;
};

bool isFrameMarker(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressiveFrame(int marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

// The frame header: size, and each component's blocks at its sampling, 64 coefficients of 2 bytes.
bool readFrame(ByteReader& in, int marker, qint64 length, JpegStructure& jpeg)
{
    QByteArray header;
    for (qint64 i = 0; i < length; ++i) {
        const int b = in.next();
        if (b < 0)
            return false;
        header.append(static_cast<char>(b));
    }
    if (header.size() < 6)
        return false;
    const auto byte = [&header](int i) { return static_cast<unsigned char>(header[i]); };
    jpeg.progressive = isProgressiveFrame(marker);
    jpeg.height = byte(1) << 8 | byte(2);
    jpeg.width = byte(3) << 8 | byte(4);
    const int components = byte(5);
    if (header.size() < 6 + 3 * components)
        return false;
    int hMax = 1, vMax = 1;
    for (int c = 0; c < components; ++c) {
        hMax = qMax(hMax, byte(7 + 3 * c) >> 4);
        vMax = qMax(vMax, byte(7 + 3 * c) & 0x0F);
    }
    jpeg.coefficientBytes = 0;
    for (int c = 0; c < components; ++c) {
        const int h = qMax(1, byte(7 + 3 * c) >> 4), v = qMax(1, byte(7 + 3 * c) & 0x0F);
        const qint64 columns = (qint64(jpeg.width) * h / hMax + 7) / 8;
        const qint64 rows = (qint64(jpeg.height) * v / vMax + 7) / 8;
        jpeg.coefficientBytes += columns * rows * 64 * 2;
    }
    return true;
}

// Scans entropy-coded data up to the marker that ends it; returns that marker, or -1.
int skipImageData(ByteReader& in)
{
    for (;;) {
        if (!in.toNextFF())
            return -1;
        int b = in.next();
        while (b == 0xFF)
            b = in.next();
        // A stuffed zero byte and the restart markers belong to the data.
        if (b == 0x00 || (b >= 0xD0 && b <= 0xD7))
            continue;
        return b;
    }
}

} // namespace

JpegStructure readJpegStructure(const QString& path)
{
    JpegStructure jpeg;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return jpeg;
    ByteReader in(file);
    if (in.next() != 0xFF || in.next() != 0xD8)
        return jpeg;
    jpeg.isJpeg = true;
    bool sawScan = false;
    int marker = -1;
    for (;;) {
        if (marker < 0) {
            // The next marker: 0xFF, any fill bytes, then its code.
            if (!in.toNextFF())
                return jpeg;
            marker = in.next();
            while (marker == 0xFF)
                marker = in.next();
            if (marker < 0)
                return jpeg;
        }
        if (marker == 0xD9) {
            jpeg.complete = sawScan;
            return jpeg;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            marker = -1;
            continue;
        }
        const int high = in.next(), low = in.next();
        if (low < 0)
            return jpeg;
        const qint64 length = (high << 8 | low) - 2;
        if (length < 0)
            return jpeg;
        if (isFrameMarker(marker)) {
            if (!readFrame(in, marker, length, jpeg))
                return jpeg;
        } else if (!in.skip(length))
            return jpeg;
        if (marker == 0xDA) {
            sawScan = true;
            marker = skipImageData(in);
            if (marker < 0)
                return jpeg;
        } else
            marker = -1;
    }
}
