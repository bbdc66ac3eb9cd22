#pragma once
// Printing the report view: the print dialog with its page range, the
// preview, the printer set-up, PDF export, every group in one job, and a
// dialog's table as it shows.

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "print/ReportFonts.h"
#include "store/Calendar.h"

class QPrinter;
class QWidget;

namespace velno {
class CVelnoDoc;
namespace print {
class ReportViewState;
}
}  // namespace velno

namespace velno::app {

class QtPrompter;

class ReportPrinter {
public:
    struct Parts {
        const CVelnoDoc& doc;
        print::ReportViewState& view;
        QtPrompter& prompter;
        QWidget* parent;
        CalendarDate today;
        // The report fonts, loaded on first use.
        std::function<print::ReportFonts&()> fonts;
        // Redraws the screen after the view drew on another device.
        std::function<void()> redraw;
        std::function<void(const QString&)> showStatus;
        // The file name a save dialog proposes for the report on show.
        std::function<std::string()> proposedFileName;
    };
    explicit ReportPrinter(Parts parts);
    ~ReportPrinter();

    void print();
    void preview();
    void setup();
    // Asks for a file and writes the report on show into it.
    void exportPdf();
    // Writes the report on show into a PDF file; false (with a message)
    // when it could not be written.
    bool exportPdfTo(const QString& path);
    // Where "Ekspor PDF..." proposes to write: the data folder's Exports/
    // and the report's title, month and year.
    QString proposedPdfPath() const;
    // The printer of the session (made on first use).
    QPrinter& printer();
    // Shows `kind` for each group with members and prints them in one job.
    void printEveryGroup(int kind);
    void printWidget(QWidget* widget);

private:
    void printerChanged();
    bool askToPrint(QPrinter& p, bool pageRange);
    void tellFailed(QPrinter& p);

    Parts parts_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace velno::app
