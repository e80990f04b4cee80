#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

#include "files/PrintPainter.h"

namespace tlv {

constexpr int kDefaultImageWidth = 1600;
// Narrower pictures lose their labels; wider ones would take hundreds of megabytes to paint.
constexpr int kMinImageWidth = 200;
constexpr int kMaxImageWidth = 8000;

// The part of the printed page a picture shows, in twips: the frame, its labels and the caption
// with a margin of 500 twips of white around them.
QRectF PrintImageArea();

// The printed page as a picture: the same painting as Print, scaled so the area is `width` pixels
// wide. The picture records the page's physical size, so it prints as large as the page.
QImage PrintPageImage(const PrintTrace& trace, const QString& caption,
                      int width = kDefaultImageWidth);
// The printed page as an SVG drawing in twips: the trace is one polyline.
QByteArray PrintPageSvg(const PrintTrace& trace, const QString& caption);

enum class ImageKind { Other, Png, Svg };
// The kind a path names by its extension, in any case.
ImageKind KindOfImagePath(const QString& path);

// Writes the page as PNG (`width` pixels wide, within the limits above) or SVG, as the path's extension says. Returns the
// reason when the file could not be written, nothing (empty) when it was; a failed write leaves
// an existing file as it was.
QString ExportPrintImage(const QString& path, const PrintTrace& trace,
                         const QString& caption, int width = kDefaultImageWidth);

}  // namespace tlv
