#pragma once

#include <QString>
#include <QtGlobal>

// What a JPEG file holds, checked to its end before it is decoded: its markers, and the
// Huffman-coded data of every scan walked code by code (not decoded into pixels), so that a file
// cut anywhere, even with an end-of-image marker put back after the cut, is told apart from a
// whole one, and a picture that would take too long or too much memory to decode is refused
// before Qt decodes it.
struct JpegStructure {
    enum class Verdict {
        NotJpeg,           // the file does not start as a JPEG does
        Readable,          // every scan whole, every component to its last coefficient, within the bounds
        Damaged,           // cut, or its data does not follow its own tables
        Unsupported,       // arithmetic-coded, lossless or hierarchical: not walked, not read
        TooManyComponents, // more than the 4 colour components a picture has
        TooManyScans,      // more scans than any encoder writes (kMostScansPerBlock)
        TooLarge,          // more data to decode than the bounds allow
    };
    Verdict verdict = Verdict::NotJpeg;
    int width = 0;
    int height = 0;
    int components = 0;
    int scans = 0;
    // Whether a decoder keeps every coefficient of the picture in memory until its last scan: a
    // progressive picture, or a sequential one whose components come in scans of their own.
    bool multiScan = false;
    // The bytes of those coefficients (64 of 2 bytes for each block of 8 x 8 of each component).
    qint64 coefficientBytes = 0;
};

// The bounds on the work of decoding a picture.
struct JpegBounds {
    // The memory a decoder may take for the coefficients of a multi-scan picture; 0 for no bound.
    qint64 coefficientBytes = 0;
};

// Every scan of a multi-scan picture is decoded over the blocks of 8 x 8 of the components it
// holds, so that the blocks all scans cover together are the decoding's work. A progressive
// picture in libjpeg's script covers each block of the picture 4 to 6 times, and the scripts of
// other encoders a few dozen at most: more is a file made to stall its reader.
inline constexpr qint64 kMostScansPerBlock = 32;
// The blocks walked in all, whatever the picture: 64 million are a few seconds (a single-scan
// colour picture of about 3 billion pixels).
inline constexpr qint64 kMostBlockVisits = 64LL * 1024 * 1024;

// Reads the file a part at a time, up to its end-of-image marker or its first fault.
JpegStructure readJpegStructure(const QString& path, const JpegBounds& bounds = {});
