#pragma once

#include <QPrinter>
#include <memory>

#include "model/Prompter.h"

namespace tlv {

// A QPrinter handed to the core as its page device. The page is set up landscape at one dot to
// the twip before the printer dialog and again after it, which may change both.
class PrinterTarget : public PrintTarget {
public:
    PrinterTarget();
    // Prints to a PDF file instead of a printer (the script driver and the tests).
    static std::unique_ptr<PrinterTarget> pdf(const QString& path);

    QPrinter& printer() { return printer_; }
    void setUpPage();
    QPagedPaintDevice& device() override { return printer_; }
    QString name() const override;
    QString pdfPath() const override;

private:
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace tlv
