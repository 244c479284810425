// The almanac window's tab in view on paper: printed through the standard
// print dialog or written as a PDF.
#include <QFileDialog>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTabWidget>

#include "qt/AlmanacWindow.h"
#include "qt/PagePainter.h"
#include "qt/QtText.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {

void AlmanacWindow::printTab() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(toQString(almanac_.printPage().title));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) paintPage(printer, almanac_.printPage(), tabs_->currentWidget());
}

void AlmanacWindow::choosePdfFile() {
  const QString path = QFileDialog::getSaveFileName(this, caption("ExportPdf").remove(QLatin1Char('&')),
                                                    QStringLiteral("tessaly-almanac.pdf"), caption("PdfFiles"));
  if (!path.isEmpty()) exportPdfTo(path);
}

void AlmanacWindow::exportPdfTo(const QString& path) {
  const almanac::PrintPage page = almanac_.printPage();
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageOrientation(QPageLayout::Landscape);
  writer.setTitle(toQString(page.title));
  writer.setCreator(QStringLiteral("Tessaly"));
  if (!paintPage(writer, page, tabs_->currentWidget()))
    QMessageBox::warning(this, toQString(kWindowCaption), caption("CsvWriteFailed"));
}

}  // namespace tessaly::qtview
