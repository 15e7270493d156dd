#include "ui/QtPrinter.h"

#include "ui/QtPrintSurface.h"

#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace kip::ui {

void QtPrinter::limitToWholeDocument(QPrintDialog& dialog) {
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // A PDF file is how a user without a printer keeps a report: that choice stays.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
}

std::unique_ptr<platform::PrintSurface> QtPrinter::start(const platform::PrintRequest& request) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QString::fromStdString(request.documentName));
    printer->setPageOrientation(request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (pdfPath_) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(*pdfPath_));
    } else {
        QPrintDialog dialog(printer.get(), parent_.data());
        limitToWholeDocument(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return nullptr;
    }
    const QString output =
        printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
    auto surface = std::make_unique<QtPrintSurface>(std::move(printer), request.font);
    if (surface->active())
        return surface;
    if (!pdfPath_)
        QMessageBox::warning(parent_.data(), "KipGolf",
                             QString("Could not start printing on %1.").arg(output));
    return nullptr;
}

} // namespace kip::ui
