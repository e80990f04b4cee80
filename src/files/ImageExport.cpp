#include "files/ImageExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

#include "files/PrintLayout.h"
#include "files/PrintPainter.h"
#include "platform/SafeSave.h"

namespace tlv {

namespace {

constexpr double kMetresPerInch = 0.0254;

void SetDotsPerInch(QImage& image, double dpi)
{
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}

}  // namespace

QRectF PrintImageArea()
{
    return QRectF(500, 500, 15500, 10000);
}

QImage PrintPageImage(const PrintTrace& trace, const QString& caption, int width)
{
    const QRectF area = PrintImageArea();
    const double scale = static_cast<double>(width) / area.width();
    QImage image(width, static_cast<int>(std::lround(area.height() * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    // The painting sizes its fonts in points: at 1440 dots an inch a point is 20 twips, as on
    // the printer, and the painter's scale then brings twips to pixels.
    SetDotsPerInch(image, kTwipsPerInch);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    PaintPrintPage(painter, trace, caption);
    painter.end();
    SetDotsPerInch(image, kTwipsPerInch * scale);
    return image;
}

QByteArray PrintPageSvg(const PrintTrace& trace, const QString& caption)
{
    const QRectF area = PrintImageArea();
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kTwipsPerInch);
    svg.setSize(area.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), area.size()));
    svg.setTitle(caption);
    QPainter painter(&svg);
    painter.translate(-area.topLeft());
    PaintPrintPage(painter, trace, caption);
    painter.end();
    return buffer.data();
}

ImageKind KindOfImagePath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png")
        return ImageKind::Png;
    if (suffix == "svg")
        return ImageKind::Svg;
    return ImageKind::Other;
}

QString ExportPrintImage(const QString& path, const PrintTrace& trace,
                         const QString& caption, int width)
{
    switch (KindOfImagePath(path)) {
    case ImageKind::Png: {
        if (width < kMinImageWidth || width > kMaxImageWidth)
            return QString("the width must be %1 to %2 pixels").arg(kMinImageWidth).arg(kMaxImageWidth);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!PrintPageImage(trace, caption, width).save(&png, "PNG"))
            return "the PNG picture could not be made";
        return WriteFileSafely(path, png.data());
    }
    case ImageKind::Svg:
        return WriteFileSafely(path, PrintPageSvg(trace, caption));
    case ImageKind::Other:
        break;
    }
    return "the name must end in .png or .svg";
}

}  // namespace tlv
