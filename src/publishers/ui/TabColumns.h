#pragma once
// Lines whose fields are separated by tabs, drawn in a list box as
// columns: each field starts at its column's stop, the stops far enough
// apart for the widest field above them. Headings under or over the list
// can be placed at the same stops.

#include <QStringList>
#include <QStyledItemDelegate>
#include <QWidget>
#include <vector>

class QLabel;
class QListWidget;

namespace velno {

class TabColumnsDelegate : public QStyledItemDelegate {
public:
    // `leastStops`: stops (in pixels from the text's start) that columns
    // start at even when their fields are narrower.
    explicit TabColumnsDelegate(QListWidget* list, std::vector<int> leastStops = {});

    // Sets the stops from the list's lines; after every refill.
    void fit();
    // Where field i + 1 starts, in pixels from the start of a line's text.
    const std::vector<int>& stops() const { return stops_; }
    // Where a line's text starts, from the left of the list's viewport.
    int textStart() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int fieldStart(int field) const { return field == 0 ? 0 : stops_[field - 1]; }

    QListWidget* list_;
    std::vector<int> leastStops_;
    std::vector<int> stops_;
};

// The list's column delegate, made on first use, fitted to its lines.
TabColumnsDelegate& fitTabColumns(QListWidget* list, std::vector<int> leastStops = {});

// Headings placed over the columns of a list beside it in the same layout
// column: heading i at the start of field i + `firstField`.
class TabHeadings : public QWidget {
public:
    TabHeadings(const QStringList& texts, int firstField, QWidget* parent);

    void place(const QListWidget& list, const TabColumnsDelegate& columns);
    const std::vector<QLabel*>& labels() const { return labels_; }

private:
    int firstField_;
    std::vector<QLabel*> labels_;
};

}  // namespace velno
