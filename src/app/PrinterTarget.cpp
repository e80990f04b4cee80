#include "app/PrinterTarget.h"

#include "files/PrintLayout.h"

namespace tlv {

PrinterTarget::PrinterTarget()
{
    setUpPage();
}

std::unique_ptr<PrinterTarget> PrinterTarget::pdf(const QString& path)
{
    auto target = std::make_unique<PrinterTarget>();
    target->printer_.setOutputFormat(QPrinter::PdfFormat);
    target->printer_.setOutputFileName(path);
    target->setUpPage();
    return target;
}

void PrinterTarget::setUpPage()
{
    printer_.setResolution(kTwipsPerInch);
    printer_.setPageOrientation(QPageLayout::Landscape);
}

QString PrinterTarget::name() const
{
    return printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName();
}

}  // namespace tlv

namespace tlv {

QString PrinterTarget::pdfPath() const
{
    return printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName() : QString();
}

}  // namespace tlv
