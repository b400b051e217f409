#pragma once
// The printer as the program draws on it: positions and sizes in twips from
// the printable area's top-left corner, a current position that a printed
// line moves to the next line, fonts by name and point size, pictures of
// grids, pages and the end of the document.
//
// A job's pages are drawn as they come; a new page is only started when
// something is drawn after it, so ending the document right after a new page
// adds no blank sheet. A job that goes to a PDF file is drawn into a
// temporary file and written over the chosen file whole when it ends, so a
// failed print never leaves half a file behind.

#include <QFont>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;
class QTemporaryDir;
class QWidget;

namespace platform {

class FlexGrid;

// Tests declare that no printer is installed, so that no test can reach a
// real one; the program asks the system.
void SetNoPrinterInstalled(bool none);
bool IsPrinterInstalled();

class Printer {
public:
    // A printer on the system's default printer, or printing to a PDF file
    // (no file chosen yet) when no printer is installed.
    Printer();
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // The current printer: one for the whole run, made on first use.
    static Printer& Current();

    QPrinter& device() { return *printer_; }
    // Shows the print dialog on this printer, proposing landscape. Confirmed:
    // the choice stays. Cancelled: the printer is left as it was; false.
    bool choose(QWidget* parent);

    // The printer's name, or the PDF file's path when it prints to one.
    QString name() const;
    bool printsToFile() const;
    // 1 portrait, 2 landscape.
    int orientation() const;
    // The paper's width and the printable area's height, twips.
    double pageWidth() const;
    double pageHeight() const;

    // Starts the job. A job that cannot start shows "Unable to print to "
    // name "." and gives false.
    bool startDoc();
    // Ends the job; a job whose output could not be written shows the same
    // box and gives false. Does nothing when no job runs.
    bool endDoc();
    bool active() const { return painter_ != nullptr; }

    // Moves drawing position 0,0 to x, y of the printable area.
    void setOrigin(double x, double y);
    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }
    // The font's family, point size, weight and style hint are taken.
    void setFont(const QFont& font);
    QFont font() const { return font_; }

    // Prints text at the current position with its top there; each CR LF
    // starts a new line at x 0, and so does the end of the text. A line that
    // would pass the printable area's bottom goes to the top of a new page.
    void print(const QString& text);
    double textWidth(const QString& text) const;
    // The grid's picture with its top-left corner at x, y; at its own size, or
    // stretched to width and height when they are given.
    void paintPicture(const FlexGrid& grid, double x, double y, double width = 0,
                      double height = 0);
    void newPage();

private:
    QPainter& page(); // the painter, on a fresh page when one is due
    QFont deviceFont() const;
    bool failed();

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QTemporaryDir> spool_;
    QString pdfTarget_; // the chosen PDF file while a job spools
    QFont font_;
    double originX_ = 0;
    double originY_ = 0;
    double x_ = 0;
    double y_ = 0;
    bool pageDue_ = false;
};

} // namespace platform
