#include "publishers/ui/TabColumns.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <algorithm>

namespace velno {

namespace {

// The blank between the widest field of a column and the next column.
int columnGap(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(QStringLiteral("MM"));
}

}  // namespace

TabColumnsDelegate::TabColumnsDelegate(QListWidget* list, std::vector<int> leastStops)
    : QStyledItemDelegate(list), list_(list), leastStops_(std::move(leastStops)) {}

void TabColumnsDelegate::fit() {
    const QFontMetrics metrics(list_->font());
    std::vector<int> widest;
    for (int row = 0; row < list_->count(); ++row) {
        const QStringList fields = list_->item(row)->text().split('\t');
        if (widest.size() + 1 < static_cast<std::size_t>(fields.size()))
            widest.resize(fields.size() - 1, 0);
        // The last field has no stop after it.
        for (int f = 0; f + 1 < fields.size(); ++f)
            widest[f] = std::max(widest[f], metrics.horizontalAdvance(fields[f]));
    }
    widest.resize(std::max(widest.size(), leastStops_.size()), 0);
    stops_.assign(widest.size(), 0);
    const int gap = columnGap(metrics);
    for (std::size_t f = 0; f < widest.size(); ++f) {
        const int after = (f == 0 ? 0 : stops_[f - 1]) + (widest[f] ? widest[f] + gap : gap);
        stops_[f] = std::max(after, f < leastStops_.size() ? leastStops_[f] : 0);
    }
    list_->doItemsLayout();
    list_->viewport()->update();
}

int TabColumnsDelegate::textStart() const {
    QStyleOptionViewItem option;
    option.initFrom(list_->viewport());
    option.rect = QRect(0, 0, 100, list_->fontMetrics().height() + 4);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("x");
    option.widget = list_;
    return list_->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, list_).left();
}

void TabColumnsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    QStringList fields = opt.text.split('\t');
    // Fields past the last stop stay together in the last column.
    const qsizetype columns = static_cast<qsizetype>(stops_.size()) + 1;
    if (fields.size() > columns) {
        const QString rest = fields.mid(columns - 1).join(QLatin1Char(' '));
        fields = fields.mid(0, columns - 1);
        fields << rest;
    }
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    // The style draws the line's background, selection and focus; the
    // fields are drawn here, each at its stop.
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                            : QPalette::Inactive;
    const QPalette::ColorRole role =
        (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, role));
    const int gap = columnGap(opt.fontMetrics) / 2;
    for (int f = 0; f < fields.size(); ++f) {
        const int left = area.left() + fieldStart(f);
        const int right =
            f < static_cast<int>(stops_.size()) ? area.left() + stops_[f] - gap : area.right();
        const QRect cell(left, area.top(), std::max(0, right - left), area.height());
        painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                          opt.fontMetrics.elidedText(fields[f], Qt::ElideRight, cell.width()));
    }
    painter->restore();
}

QSize TabColumnsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QStringList fields = index.data(Qt::DisplayRole).toString().split('\t');
    const int last = static_cast<int>(fields.size()) - 1;
    if (last < 1 || last > static_cast<int>(stops_.size())) return size;
    const QFontMetrics metrics(option.font);
    size.setWidth(2 * textStart() + fieldStart(last) + metrics.horizontalAdvance(fields[last]));
    return size;
}

TabColumnsDelegate& fitTabColumns(QListWidget* list, std::vector<int> leastStops) {
    auto* columns = dynamic_cast<TabColumnsDelegate*>(list->itemDelegate());
    if (!columns) {
        columns = new TabColumnsDelegate(list, std::move(leastStops));
        list->setItemDelegate(columns);
    }
    columns->fit();
    return *columns;
}

TabHeadings::TabHeadings(const QStringList& texts, int firstField, QWidget* parent)
    : QWidget(parent), firstField_(firstField) {
    int height = 0;
    for (const QString& text : texts) {
        auto* label = new QLabel(text, this);
        label->adjustSize();
        height = std::max(height, label->height());
        labels_.push_back(label);
    }
    setMinimumHeight(height);
}

void TabHeadings::place(const QListWidget& list, const TabColumnsDelegate& columns) {
    const int start = list.contentsRect().left() + columns.textStart();
    int width = 0;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const std::size_t field =
            std::min(i + static_cast<std::size_t>(firstField_), columns.stops().size());
        const int stop = field == 0 ? 0 : columns.stops()[field - 1];
        labels_[i]->move(start + stop, 0);
        width = std::max(width, start + stop + labels_[i]->width());
    }
    setMinimumWidth(width);
}

}  // namespace velno
