#include "platform/widgets/Printer.h"

#include "platform/core/RuntimeError.h"
#include "platform/core/WholeFile.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/MsgBox.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <cmath>

namespace platform {
namespace {

constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerInch = 1440.0;

bool g_noPrinter = false;

std::unique_ptr<Printer>& CurrentPrinter() {
    static std::unique_ptr<Printer> printer;
    return printer;
}

// What the print dialog may change, kept to be put back on Cancel.
struct PrinterState {
    explicit PrinterState(const QPrinter& printer)
        : format(printer.outputFormat()), name(printer.printerName()),
          file(printer.outputFileName()), layout(printer.pageLayout()), copies(printer.copyCount()),
          duplex(printer.duplex()), color(printer.colorMode()), source(printer.paperSource()) {}

    void restore(QPrinter& printer) const {
        if (format == QPrinter::NativeFormat) {
            printer.setOutputFileName(QString());
            printer.setPrinterName(name);
        } else {
            printer.setOutputFileName(file);
            printer.setOutputFormat(format);
        }
        printer.setPageLayout(layout);
        printer.setCopyCount(copies);
        printer.setDuplex(duplex);
        printer.setColorMode(color);
        printer.setPaperSource(source);
    }

    QPrinter::OutputFormat format;
    QString name;
    QString file;
    QPageLayout layout;
    int copies;
    QPrinter::DuplexMode duplex;
    QPrinter::ColorMode color;
    QPrinter::PaperSource source;
};

// Qt's PDF writer ends its job as done although a full temporary folder cut
// its file short. A whole PDF ends with the end-of-file marker, after the
// offset of its cross-reference table, which a lost block would have moved.
bool IsWholePdf(const QByteArray& pdf) {
    if (!pdf.startsWith("%PDF-") || !pdf.right(32).trimmed().endsWith("%%EOF"))
        return false;
    const qsizetype at = pdf.lastIndexOf("startxref");
    if (at < 0)
        return false;
    bool ok = false;
    const qlonglong table = pdf.mid(at + 9).simplified().split(' ').value(0).toLongLong(&ok);
    return ok && table >= 0 && table < at && pdf.mid(table, 4) == "xref";
}

} // namespace

void SetNoPrinterInstalled(bool none) {
    g_noPrinter = none;
}

bool IsPrinterInstalled() {
    return !g_noPrinter && !QPrinterInfo::availablePrinterNames().isEmpty();
}

Printer::Printer() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    if (!IsPrinterInstalled()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        return;
    }
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (!standard.isNull())
        printer_->setPrinterName(standard.printerName());
}

Printer::~Printer() {
    if (painter_)
        painter_->end();
}

Printer& Printer::Current() {
    std::unique_ptr<Printer>& printer = CurrentPrinter();
    if (!printer) {
        printer = std::make_unique<Printer>();
        // Gone with the application, before the system's print support is.
        qAddPostRoutine([] { CurrentPrinter().reset(); });
    }
    return *printer;
}

bool Printer::choose(QWidget* parent) {
    const PrinterState before(*printer_);
    printer_->setPageOrientation(QPageLayout::Landscape);
    if (ChoosePrinter(parent, *printer_)) {
        // Every page prints, whatever range the dialog may have offered.
        printer_->setPrintRange(QPrinter::AllPages);
        printer_->setPageRanges(QPageRanges());
        return true;
    }
    before.restore(*printer_);
    return false;
}

QString Printer::name() const {
    if (!pdfTarget_.isEmpty())
        return pdfTarget_;
    return printsToFile() ? printer_->outputFileName() : printer_->printerName();
}

bool Printer::printsToFile() const {
    return printer_->outputFormat() == QPrinter::PdfFormat;
}

int Printer::orientation() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

double Printer::pageWidth() const {
    return printer_->pageLayout().fullRect(QPageLayout::Point).width() * TwipsPerPoint;
}

double Printer::pageHeight() const {
    return printer_->pageLayout().paintRect(QPageLayout::Point).height() * TwipsPerPoint;
}

bool Printer::startDoc() {
    if (painter_)
        return true;
    // Margins of 0, which a real printer raises to the border it cannot
    // print on; positions count from the printable area's corner.
    QPageLayout layout = printer_->pageLayout();
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(layout.minimumMargins());
    printer_->setPageLayout(layout);
    printer_->setFullPage(false);

    if (printsToFile()) {
        pdfTarget_ = printer_->outputFileName();
        spool_ = std::make_unique<QTemporaryDir>();
        if (pdfTarget_.isEmpty() || !spool_->isValid())
            return failed();
        printer_->setOutputFileName(spool_->filePath(QStringLiteral("job.pdf")));
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get()))
        return failed();
    const double scale = printer_->resolution() / TwipsPerInch;
    painter_->scale(scale, scale);
    x_ = 0;
    y_ = 0;
    pageDue_ = false;
    return true;
}

bool Printer::endDoc() {
    if (!painter_)
        return true;
    bool done = painter_->end();
    painter_.reset();
    if (spool_) {
        const QString spooled = printer_->outputFileName();
        printer_->setOutputFileName(pdfTarget_);
        try {
            // A spool that cannot be read back whole, or that is cut short,
            // is a failed job too.
            if (done) {
                const QByteArray pdf = ReadWholeFile(spooled);
                done = IsWholePdf(pdf);
                if (done)
                    WriteWholeFile(pdfTarget_, pdf);
            }
        } catch (const RuntimeError&) {
            done = false;
        }
    }
    if (!done)
        return failed();
    spool_.reset();
    pdfTarget_.clear();
    return true;
}

// Ends what was begun and tells the user; the printer stays as it was chosen.
bool Printer::failed() {
    const QString target = name();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    if (spool_) {
        if (!pdfTarget_.isEmpty())
            printer_->setOutputFileName(pdfTarget_);
        spool_.reset();
    }
    pdfTarget_.clear();
    MsgBox(QStringLiteral("Unable to print to ") + target + QLatin1Char('.'), vbExclamation);
    return false;
}

void Printer::setOrigin(double x, double y) {
    originX_ = x;
    originY_ = y;
}

void Printer::setFont(const QFont& font) {
    font_ = font;
}

// Drawn in twips, the font is sized in twips too: a point size would be
// resolved at the printer's resolution.
QFont Printer::deviceFont() const {
    QFont font = font_;
    if (font_.pointSizeF() > 0)
        font.setPixelSize(static_cast<int>(std::lround(font_.pointSizeF() * TwipsPerPoint)));
    return font;
}

QPainter& Printer::page() {
    if (!painter_)
        throw RuntimeError(ErrPrinter);
    if (pageDue_) {
        pageDue_ = false;
        if (!printer_->newPage())
            throw RuntimeError(ErrPrinter);
    }
    return *painter_;
}

void Printer::print(const QString& text) {
    const QFont font = deviceFont();
    const QFontMetricsF metrics(font, printer_.get());
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (!line.isEmpty()) {
            if (y_ > 0 && originY_ + y_ + metrics.height() > pageHeight())
                newPage();
            QPainter& painter = page();
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(originX_ + x_, originY_ + y_ + metrics.ascent()), line);
        }
        x_ = 0;
        y_ += metrics.height();
    }
}

double Printer::textWidth(const QString& text) const {
    return QFontMetricsF(deviceFont(), printer_.get()).horizontalAdvance(text);
}

void Printer::paintPicture(const FlexGrid& grid, double x, double y, double width, double height) {
    if (width <= 0 || height <= 0) {
        const QSizeF size = grid.pictureSize();
        width = size.width();
        height = size.height();
    }
    grid.paintPicture(page(), QRectF(originX_ + x, originY_ + y, width, height));
}

void Printer::newPage() {
    pageDue_ = true;
    x_ = 0;
    y_ = 0;
}

} // namespace platform
