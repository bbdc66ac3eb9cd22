#include "reporting/ui/QuickViewDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

QString boxName(QuickViewModel::Box box) {
    return QString("box%1").arg(static_cast<int>(box));
}

}  // namespace

QuickViewDialog::QuickViewDialog(const QuickViewModel& model, QWidget* parent) : QDialog(parent) {
    setObjectName("dialog119");
    setWindowTitle(qs(model.title()));
    auto* layout = new QGridLayout(this);
    using Box = QuickViewModel::Box;
    // The congregation's figures on the left, the periods on the right.
    const struct {
        Box box;
        int row, column;
    } places[] = {{Box::Congregation, 0, 0},
                  {Box::Month, 1, 0},
                  {Box::Categories, 2, 0},
                  {Box::ServiceYear, 0, 1},
                  {Box::SixMonths, 1, 1}};
    for (const auto& place : places) {
        auto* box = new QGroupBox(qs(model.boxCaption(place.box)), this);
        box->setObjectName(boxName(place.box));
        auto* grid = new QGridLayout(box);
        int row = 0;
        for (const auto& line : model.lines()) {
            if (line.box != place.box) continue;
            auto* label = new QLabel(qs(line.label), box);
            auto* value = new QLabel(qs(line.value), box);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setMinimumWidth(value->fontMetrics().horizontalAdvance("00000"));
            grid->addWidget(label, row, 0);
            grid->addWidget(value, row, 1);
            ++row;
        }
        if (row == 0) {
            delete box;
            continue;
        }
        layout->addWidget(box, place.row, place.column, place.row == 1 && place.column == 1 ? 2 : 1,
                          1, Qt::AlignTop);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(qs(text::tr(text::TxButtonOk)), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, 3, 0, 1, 2);
}

QLabel* QuickViewDialog::valueLabel(QuickViewModel::Box box, const QString& label) const {
    auto* groupBox = findChild<QGroupBox*>(boxName(box));
    if (!groupBox) return nullptr;
    auto* grid = static_cast<QGridLayout*>(groupBox->layout());
    for (int r = 0; r < grid->rowCount(); ++r) {
        auto* caption = grid->itemAtPosition(r, 0)
                            ? qobject_cast<QLabel*>(grid->itemAtPosition(r, 0)->widget())
                            : nullptr;
        if (caption && caption->text() == label)
            return qobject_cast<QLabel*>(grid->itemAtPosition(r, 1)->widget());
    }
    return nullptr;
}

}  // namespace velno
