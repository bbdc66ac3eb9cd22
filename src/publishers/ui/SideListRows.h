#pragma once
// The rows of a side-list model in a list box, for dialogs 112 and 114.

#include <QListWidget>
#include <QSignalBlocker>
#include <vector>

#include "publishers/SideListModel.h"
#include "publishers/ui/TabColumns.h"
#include "text/ui/QtText.h"

namespace velno {

// Refills `list` without reporting the change back; the fields after a
// tab line up in columns.
inline void fillSideList(QListWidget* list, const std::vector<SideListRow>& rows, int row) {
    const QSignalBlocker block(list);
    list->clear();
    for (const SideListRow& r : rows) list->addItem(qs(r.text));
    fitTabColumns(list);
    if (row >= 0) list->setCurrentRow(row);
}

// Selecting or clicking a line of either list tells the model, then
// `refresh` shows it; `showing` is set while the dialog refills the lists.
template <typename Model, typename Refresh>
void connectSideLists(QObject* owner, QListWidget* left, QListWidget* right, Model& model,
                      const bool& showing, Refresh refresh) {
    QObject::connect(left, &QListWidget::currentRowChanged, owner,
                     [&model, &showing, refresh](int row) {
                         if (showing) return;
                         model.selectLeft(row);
                         refresh();
                     });
    QObject::connect(right, &QListWidget::currentRowChanged, owner,
                     [&model, &showing, refresh](int row) {
                         if (showing) return;
                         model.selectRight(row);
                         refresh();
                     });
    // Clicking into a list puts it in use even on the selected line.
    QObject::connect(left, &QListWidget::itemPressed, owner, [&model, left, refresh] {
        model.selectLeft(left->currentRow());
        refresh();
    });
    QObject::connect(right, &QListWidget::itemPressed, owner, [&model, right, refresh] {
        model.selectRight(right->currentRow());
        refresh();
    });
}

}  // namespace velno
