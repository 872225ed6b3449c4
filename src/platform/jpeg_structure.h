#pragma once

#include <QString>
#include <QtGlobal>

// What the markers of a JPEG file tell before it is decoded: whether the file holds its whole
// picture, and how much memory decoding it takes.
struct JpegStructure {
    bool isJpeg = false;      // the file starts as a JPEG does
    bool complete = false;    // the image data runs to its end-of-image marker
    bool progressive = false; // the picture comes in several passes, decoded whole in memory
    int width = 0;
    int height = 0;
    // The bytes a decoder holds for the picture's coefficients when it must keep them all, as it
    // does for a progressive picture.
    qint64 coefficientBytes = 0;
};

// Reads the file's markers, a part at a time; the image data is scanned, not decoded.
JpegStructure readJpegStructure(const QString& path);
