#include "platform/jpeg_structure.h"

#include <QFile>
#include <array>
#include <cstring>
#include <vector>

namespace
{

using Verdict = JpegStructure::Verdict;

constexpr qint64 kChunk = 1 << 16;
constexpr int kNoMarker = -1;
constexpr int kEndOfFile = -2;

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

// The code of the next marker, whatever bytes come before it (stuffed zeros, fill bytes, bytes
// of no marker, and restart markers unless `restarts` asks for them).
int nextMarker(ByteReader& in, bool restarts)
{
    for (;;) {
        if (!in.toNextFF())
            return kEndOfFile;
        int b = in.next();
        while (b == 0xFF)
            b = in.next();
        if (b < 0)
            return kEndOfFile;
        if (b == 0x00 || (!restarts && b >= 0xD0 && b <= 0xD7))
            continue;
        return b;
    }
}

// A Huffman table as a decoder reads it (JPEG's canonical codes): the codes of up to 9 bits
// looked up at once, the longer ones by their length.
struct HuffmanTable {
    static constexpr int kLookBits = 9;
    bool defined = false;
    std::array<quint8, 1 << kLookBits> lookLength{}; // 0: a longer code
    std::array<quint8, 1 << kLookBits> lookSymbol{};
    std::array<int, 17> maxCode{}; // the largest code of each length, -1 for none
    std::array<int, 17> valueOffset{};
    std::array<quint8, 256> values{};

    // From the 16 counts of codes by length and the symbols; false for a table no decoder takes.
    bool build(const std::array<int, 17>& counts, const QByteArray& symbols)
    {
        lookLength.fill(0);
        int code = 0, index = 0;
        for (int length = 1; length <= 16; ++length) {
            // No code may be all ones, nor the codes overflow their length.
            if (code + counts[length] >= 1 << length)
                return false;
            valueOffset[length] = index - code;
            for (int i = 0; i < counts[length]; ++i, ++code, ++index) {
                values[index] = static_cast<quint8>(symbols[index]);
                if (length <= kLookBits)
                    for (int fill = 0; fill < 1 << (kLookBits - length); ++fill) {
                        const int at = code << (kLookBits - length) | fill;
                        lookLength[at] = static_cast<quint8>(length);
                        lookSymbol[at] = values[index];
                    }
            }
            maxCode[length] = counts[length] > 0 ? code - 1 : -1;
            code <<= 1;
        }
        defined = true;
        return true;
    }
};

// The bits of a scan's data, with its stuffed zero bytes taken out, up to the marker that ends it.
class BitReader
{
public:
    explicit BitReader(ByteReader& in) : in_(in) {}

    // The marker met (kNoMarker while the data goes on).
    int marker() const { return marker_; }

    // A symbol of the table; -1 when the bits are no code of it, or run out.
    int decode(const HuffmanTable& table)
    {
        if (count_ < 16)
            fill();
        const int look = peek(HuffmanTable::kLookBits);
        if (const int length = table.lookLength[look]; length != 0) {
            if (length > count_)
                return -1;
            count_ -= length;
            return table.lookSymbol[look];
        }
        for (int length = HuffmanTable::kLookBits + 1; length <= 16; ++length) {
            const int code = peek(length);
            if (code <= table.maxCode[length]) {
                if (length > count_)
                    return -1;
                count_ -= length;
                return table.values[code + table.valueOffset[length]];
            }
        }
        return -1;
    }

    // `n` bits (up to 16) as a number; -1 when they run out.
    int bits(int n)
    {
        if (count_ < n)
            fill();
        if (count_ < n)
            return -1;
        const int value = peek(n);
        count_ -= n;
        return value;
    }

    // Drops what is left of the data (the last byte's padding) and the marker met, for the data
    // after a restart marker.
    void restart()
    {
        count_ = 0;
        accumulator_ = 0;
        marker_ = kNoMarker;
    }

private:
    void fill()
    {
        while (count_ <= 56 && marker_ == kNoMarker) {
            int b = in_.next();
            if (b == 0xFF) {
                int c = in_.next();
                while (c == 0xFF)
                    c = in_.next();
                if (c != 0x00) {
                    marker_ = c < 0 ? kEndOfFile : c;
                    return;
                }
            } else if (b < 0) {
                marker_ = kEndOfFile;
                return;
            }
            accumulator_ = accumulator_ << 8 | quint64(b);
            count_ += 8;
        }
    }

    // The next `n` bits, zeros past the data's end.
    int peek(int n) const
    {
        const quint64 bits = count_ >= n ? accumulator_ >> (count_ - n) : accumulator_ << (n - count_);
        return static_cast<int>(bits & ((quint64(1) << n) - 1));
    }

    ByteReader& in_;
    quint64 accumulator_ = 0;
    int count_ = 0;
    int marker_ = kNoMarker;
};

struct Component {
    int id = 0;
    int h = 1, v = 1;
    // The component's blocks of 8 x 8, as a scan of it alone covers them.
    qint64 blocksAcross = 0, blocksDown = 0;
    // For each coefficient (in zigzag order), the lowest bit sent so far: -1 before its first
    // scan, 0 once whole.
    std::array<int, 64> lowestBit{};
    // For a progressive picture, the coefficients already known not to be zero, a bit per
    // coefficient of each block: what the refining scans of the AC coefficients follow.
    std::vector<quint64> nonZero;
};

struct ScanComponent {
    Component* component = nullptr;
    const HuffmanTable* dc = nullptr;
    const HuffmanTable* ac = nullptr;
};

class JpegWalker
{
public:
    JpegWalker(ByteReader& in, const JpegBounds& bounds, JpegStructure& jpeg)
        : in_(in), bounds_(bounds), jpeg_(jpeg), bits_(in)
    {
    }

    Verdict walk();

private:
    bool readSegment(qint64 length, QByteArray& segment);
    bool readTables(const QByteArray& segment);
    Verdict readFrame(int marker, const QByteArray& segment);
    Verdict readScanHeader(const QByteArray& segment);
    qint64 mcusAcross() const { return (jpeg_.width + 8 * hMax_ - 1) / (8 * hMax_); }
    qint64 mcusDown() const { return (jpeg_.height + 8 * vMax_ - 1) / (8 * vMax_); }
    // Walks the scan's data; returns the marker after it, or kEndOfFile / kNoMarker (damaged).
    int walkScanData();
    bool walkBlock(const ScanComponent& scan, qint64 block);
    bool sequentialBlock(const ScanComponent& scan);
    bool acFirst(const ScanComponent& scan, qint64 block);
    bool acRefine(const ScanComponent& scan, qint64 block);

    ByteReader& in_;
    const JpegBounds& bounds_;
    JpegStructure& jpeg_;
    BitReader bits_;
    std::array<HuffmanTable, 4> dcTables_{}, acTables_{};
    std::vector<Component> components_;
    bool progressive_ = false;
    int hMax_ = 1, vMax_ = 1;
    int restartInterval_ = 0;
    qint64 pictureBlocks_ = 0;
    qint64 blockVisits_ = 0;
    // The scan being walked.
    std::vector<ScanComponent> scan_;
    int ss_ = 0, se_ = 63, ah_ = 0, al_ = 0;
    int endOfBandRun_ = 0;
};

bool JpegWalker::readSegment(qint64 length, QByteArray& segment)
{
    segment.resize(length);
    for (qint64 i = 0; i < length; ++i) {
        const int b = in_.next();
        if (b < 0)
            return false;
        segment[i] = static_cast<char>(b);
    }
    return true;
}

bool JpegWalker::readTables(const QByteArray& segment)
{
    const auto byte = [&segment](qsizetype i) { return static_cast<unsigned char>(segment[i]); };
    qsizetype at = 0;
    while (at < segment.size()) {
        if (at + 17 > segment.size())
            return false;
        const int kind = byte(at) >> 4, id = byte(at) & 0x0F;
        if (kind > 1 || id > 3)
            return false;
        std::array<int, 17> counts{};
        int total = 0;
        for (int length = 1; length <= 16; ++length)
            total += counts[length] = byte(at + length);
        at += 17;
        if (total > 256 || at + total > segment.size())
            return false;
        if (!(kind == 0 ? dcTables_ : acTables_)[id].build(counts, segment.mid(at, total)))
            return false;
        at += total;
    }
    return true;
}

Verdict JpegWalker::readFrame(int marker, const QByteArray& segment)
{
    const auto byte = [&segment](qsizetype i) { return static_cast<unsigned char>(segment[i]); };
    // Huffman-coded, sequential (baseline, extended) or progressive; the others (lossless,
    // hierarchical, arithmetic-coded) are not walked.
    if (marker != 0xC0 && marker != 0xC1 && marker != 0xC2)
        return Verdict::Unsupported;
    if (!components_.empty() || segment.size() < 6)
        return Verdict::Damaged;
    progressive_ = marker == 0xC2;
    jpeg_.height = byte(1) << 8 | byte(2);
    jpeg_.width = byte(3) << 8 | byte(4);
    jpeg_.components = byte(5);
    if (jpeg_.components > 4)
        return Verdict::TooManyComponents;
    if (jpeg_.components == 0 || segment.size() < 6 + 3 * jpeg_.components || jpeg_.width == 0)
        return Verdict::Damaged;
    // A height given after the first scan (a DNL marker): not read by Qt's decoder.
    if (jpeg_.height == 0)
        return Verdict::Unsupported;
    components_.resize(size_t(jpeg_.components));
    for (int c = 0; c < jpeg_.components; ++c) {
        Component& component = components_[size_t(c)];
        component.id = byte(6 + 3 * c);
        component.h = byte(7 + 3 * c) >> 4;
        component.v = byte(7 + 3 * c) & 0x0F;
        if (component.h < 1 || component.h > 4 || component.v < 1 || component.v > 4)
            return Verdict::Damaged;
        hMax_ = qMax(hMax_, component.h);
        vMax_ = qMax(vMax_, component.v);
    }
    for (Component& component : components_) {
        const qint64 width = (qint64(jpeg_.width) * component.h + hMax_ - 1) / hMax_;
        const qint64 height = (qint64(jpeg_.height) * component.v + vMax_ - 1) / vMax_;
        component.blocksAcross = (width + 7) / 8;
        component.blocksDown = (height + 7) / 8;
        component.lowestBit.fill(-1);
        pictureBlocks_ += component.blocksAcross * component.blocksDown;
        // A decoder keeping every coefficient rounds the blocks up to whole MCUs.
        const qint64 across = (component.blocksAcross + component.h - 1) / component.h * component.h;
        const qint64 down = (component.blocksDown + component.v - 1) / component.v * component.v;
        jpeg_.coefficientBytes += across * down * 64 * 2;
    }
    return Verdict::Readable;
}

Verdict JpegWalker::readScanHeader(const QByteArray& segment)
{
    const auto byte = [&segment](qsizetype i) { return static_cast<unsigned char>(segment[i]); };
    if (components_.empty() || segment.isEmpty())
        return Verdict::Damaged;
    const int count = byte(0);
    if (count < 1 || count > 4 || segment.size() < 4 + 2 * count)
        return Verdict::Damaged;
    ss_ = byte(1 + 2 * count);
    se_ = byte(2 + 2 * count);
    ah_ = byte(3 + 2 * count) >> 4;
    al_ = byte(3 + 2 * count) & 0x0F;
    if (!progressive_) {
        ss_ = 0;
        se_ = 63;
        ah_ = al_ = 0;
    } else if (se_ > 63 || ss_ > se_ || (ss_ == 0 && se_ != 0) || (ss_ > 0 && count != 1) ||
               (ah_ != 0 && al_ != ah_ - 1) || al_ > 13)
        return Verdict::Damaged;

    scan_.clear();
    int blocksInMcu = 0;
    for (int i = 0; i < count; ++i) {
        const int id = byte(1 + 2 * i), dc = byte(2 + 2 * i) >> 4, ac = byte(2 + 2 * i) & 0x0F;
        ScanComponent part;
        for (Component& component : components_)
            if (component.id == id)
                part.component = &component;
        if (!part.component || dc > 3 || ac > 3)
            return Verdict::Damaged;
        for (const ScanComponent& other : scan_)
            if (other.component == part.component)
                return Verdict::Damaged;
        if (ss_ == 0 && ah_ == 0)
            part.dc = &dcTables_[size_t(dc)];
        if (se_ > 0)
            part.ac = &acTables_[size_t(ac)];
        if ((part.dc && !part.dc->defined) || (part.ac && !part.ac->defined))
            return Verdict::Damaged;
        blocksInMcu += part.component->h * part.component->v;
        scan_.push_back(part);
    }
    if (count > 1 && blocksInMcu > 10)
        return Verdict::Damaged;

    // The bounds, before anything of the scan is read: a decoder holding every coefficient of a
    // multi-scan picture, and the blocks the scans cover together.
    ++jpeg_.scans;
    if (jpeg_.scans == 1) {
        jpeg_.multiScan = progressive_ || count < jpeg_.components;
        if (jpeg_.multiScan && bounds_.coefficientBytes > 0 && jpeg_.coefficientBytes > bounds_.coefficientBytes)
            return Verdict::TooLarge;
    }
    const Component& first = *scan_.front().component;
    blockVisits_ += count > 1 ? mcusAcross() * mcusDown() * blocksInMcu : first.blocksAcross * first.blocksDown;
    if (blockVisits_ > kMostBlockVisits || blockVisits_ > kMostScansPerBlock * pictureBlocks_)
        return jpeg_.scans == 1 ? Verdict::TooLarge : Verdict::TooManyScans;

    // Each coefficient comes in its first scan, then in refining scans, each a bit lower.
    for (const ScanComponent& part : scan_)
        for (int k = ss_; k <= se_; ++k) {
            int& lowest = part.component->lowestBit[size_t(k)];
            if (lowest != (ah_ == 0 ? -1 : ah_))
                return Verdict::Damaged;
            lowest = al_;
        }
    if (progressive_ && se_ > 0 && first.nonZero.empty())
        scan_.front().component->nonZero.assign(size_t(first.blocksAcross * first.blocksDown), 0);
    return Verdict::Readable;
}

bool JpegWalker::sequentialBlock(const ScanComponent& scan)
{
    const int dc = bits_.decode(*scan.dc);
    if (dc < 0 || dc > 16 || bits_.bits(dc) < 0)
        return false;
    for (int k = 1; k < 64; ++k) {
        const int rs = bits_.decode(*scan.ac);
        if (rs < 0)
            return false;
        const int r = rs >> 4, s = rs & 0x0F;
        if (s != 0) {
            k += r;
            if (bits_.bits(s) < 0)
                return false;
        } else if (r == 15)
            k += 15;
        else
            break;
    }
    return true;
}

bool JpegWalker::acFirst(const ScanComponent& scan, qint64 block)
{
    if (endOfBandRun_ > 0) {
        --endOfBandRun_;
        return true;
    }
    quint64& nonZero = scan.component->nonZero[size_t(block)];
    for (int k = ss_; k <= se_; ++k) {
        const int rs = bits_.decode(*scan.ac);
        if (rs < 0)
            return false;
        const int r = rs >> 4, s = rs & 0x0F;
        if (s != 0) {
            k += r;
            if (bits_.bits(s) < 0)
                return false;
            if (k <= se_)
                nonZero |= quint64(1) << k;
        } else if (r == 15)
            k += 15;
        else {
            const int extra = r == 0 ? 0 : bits_.bits(r);
            if (extra < 0)
                return false;
            endOfBandRun_ = (1 << r) + extra - 1;
            break;
        }
    }
    return true;
}

bool JpegWalker::acRefine(const ScanComponent& scan, qint64 block)
{
    quint64& nonZero = scan.component->nonZero[size_t(block)];
    const auto known = [&nonZero](int k) { return (nonZero >> k & 1) != 0; };
    int k = ss_;
    if (endOfBandRun_ == 0) {
        for (; k <= se_; ++k) {
            const int rs = bits_.decode(*scan.ac);
            if (rs < 0)
                return false;
            int r = rs >> 4;
            const int s = rs & 0x0F;
            if (s != 0) {
                // A new coefficient of one bit: its sign.
                if (bits_.bits(1) < 0)
                    return false;
            } else if (r != 15) {
                const int extra = r == 0 ? 0 : bits_.bits(r);
                if (extra < 0)
                    return false;
                endOfBandRun_ = (1 << r) + extra;
                break;
            }
            // A correction bit for each coefficient already known, up to the r-th zero one.
            for (; k <= se_; ++k) {
                if (known(k)) {
                    if (bits_.bits(1) < 0)
                        return false;
                } else if (--r < 0)
                    break;
            }
            if (s != 0 && k <= se_)
                nonZero |= quint64(1) << k;
        }
    }
    if (endOfBandRun_ > 0) {
        // The rest of the band: zeros, and a correction bit for each coefficient already known.
        for (; k <= se_; ++k)
            if (known(k) && bits_.bits(1) < 0)
                return false;
        --endOfBandRun_;
    }
    return true;
}

bool JpegWalker::walkBlock(const ScanComponent& scan, qint64 block)
{
    if (!progressive_)
        return sequentialBlock(scan);
    if (ss_ == 0) {
        if (ah_ != 0)
            return bits_.bits(1) >= 0;
        const int dc = bits_.decode(*scan.dc);
        return dc >= 0 && dc <= 16 && bits_.bits(dc) >= 0;
    }
    return ah_ == 0 ? acFirst(scan, block) : acRefine(scan, block);
}

int JpegWalker::walkScanData()
{
    const bool interleaved = scan_.size() > 1;
    const Component& first = *scan_.front().component;
    const qint64 mcus = interleaved ? mcusAcross() * mcusDown() : first.blocksAcross * first.blocksDown;
    bits_.restart();
    endOfBandRun_ = 0;
    int nextRestart = 0;
    for (qint64 mcu = 0; mcu < mcus; ++mcu) {
        if (restartInterval_ > 0 && mcu > 0 && mcu % restartInterval_ == 0) {
            // The restart marker that ends the interval, numbered 0 to 7 in turn.
            int marker = bits_.marker();
            if (marker == kNoMarker)
                marker = nextMarker(in_, true);
            if (marker != 0xD0 + nextRestart)
                return kNoMarker;
            nextRestart = (nextRestart + 1) % 8;
            bits_.restart();
            endOfBandRun_ = 0;
        }
        for (const ScanComponent& part : scan_) {
            const int blocks = interleaved ? part.component->h * part.component->v : 1;
            for (int b = 0; b < blocks; ++b)
                if (!walkBlock(part, mcu))
                    return kNoMarker;
        }
    }
    const int marker = bits_.marker();
    if (marker != kNoMarker && !(marker >= 0xD0 && marker <= 0xD7))
        return marker;
    return nextMarker(in_, false);
}

Verdict JpegWalker::walk()
{
    int marker = kNoMarker;
    QByteArray segment;
    for (;;) {
        if (marker == kNoMarker) {
            // The next marker: 0xFF, any fill bytes, then its code.
            if (!in_.toNextFF())
                return Verdict::Damaged;
            marker = in_.next();
            while (marker == 0xFF)
                marker = in_.next();
        }
        if (marker < 0)
            return Verdict::Damaged;
        if (marker == 0xD9) {
            // Every coefficient of every component sent to its last bit.
            if (jpeg_.scans == 0)
                return Verdict::Damaged;
            for (const Component& component : components_)
                for (const int lowest : component.lowestBit)
                    if (lowest != 0)
                        return Verdict::Damaged;
            return Verdict::Readable;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            marker = kNoMarker;
            continue;
        }
        if (marker == 0xD8)
            return Verdict::Damaged;
        const int high = in_.next(), low = in_.next();
        if (low < 0)
            return Verdict::Damaged;
        const qint64 length = (high << 8 | low) - 2;
        if (length < 0)
            return Verdict::Damaged;
        if (marker == 0xDA || marker == 0xC4 || marker == 0xDD || (marker >= 0xC0 && marker <= 0xCF)) {
            if (!readSegment(length, segment))
                return Verdict::Damaged;
        } else if (!in_.skip(length))
            return Verdict::Damaged;

        Verdict verdict = Verdict::Readable;
        if (marker == 0xC4)
            verdict = readTables(segment) ? Verdict::Readable : Verdict::Damaged;
        else if (marker == 0xDD)
            restartInterval_ =
                segment.size() >= 2
                    ? (static_cast<unsigned char>(segment[0]) << 8 | static_cast<unsigned char>(segment[1]))
                    : 0;
        else if (marker == 0xCC)
            verdict = Verdict::Unsupported; // arithmetic coding's conditioning tables
        else if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC8)
            verdict = readFrame(marker, segment);
        else if (marker == 0xDA)
            verdict = readScanHeader(segment);
        if (verdict != Verdict::Readable)
            return verdict;
        if (marker == 0xDA) {
            marker = walkScanData();
            if (marker == kNoMarker || marker == kEndOfFile)
                return Verdict::Damaged;
        } else
            marker = kNoMarker;
    }
}

} // namespace

JpegStructure readJpegStructure(const QString& path, const JpegBounds& bounds)
{
    JpegStructure jpeg;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return jpeg;
    ByteReader in(file);
    if (in.next() != 0xFF || in.next() != 0xD8)
        return jpeg;
    jpeg.verdict = JpegWalker(in, bounds, jpeg).walk();
    return jpeg;
}
