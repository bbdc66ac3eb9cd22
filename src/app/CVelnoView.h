#pragma once
// The report view: the report on show drawn as a column of pages, one
// below the other, scrolled with the geometry of print::ReportViewState.

#include <QAbstractScrollArea>
#include <functional>

#include "print/ReportViewState.h"

namespace velno {
class CVelnoDoc;
}

namespace velno::app {

class CVelnoView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CVelnoView(const CVelnoDoc& doc, print::ReportViewState& view, const print::ReportFonts& fonts,
               std::function<CalendarDate()> today, QWidget* parent = nullptr);

    // The report or the data changed: count the pages again, size the
    // scroll area and repaint.
    void refresh();
    // A report newly shown starts at its first page's top-left corner.
    void scrollToTop();
    // Where page `page` (1-based) starts in the scrolled area.
    int pageTop(int page) const;
    // The report page as an image at the screen's resolution (for
    // screenshots and tests).
    QImage renderPage(int page);

signals:
    void returnToPanelRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateScrollBars();
    int pageLeft() const;
    void drawReport(QPainter& painter);

    const CVelnoDoc& doc_;
    print::ReportViewState& view_;
    const print::ReportFonts& fonts_;
    std::function<CalendarDate()> today_;
};

}  // namespace velno::app
