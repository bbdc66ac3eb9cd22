#include "publishers/ui/CircuitOverseerDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "publishers/CircuitOverseerModel.h"
#include "text/ui/QtText.h"

namespace velno {

CircuitOverseerDialog::CircuitOverseerDialog(CircuitOverseerModel& model, QWidget* parent)
    : QDialog(parent) {
    setObjectName("dialog157");
    setWindowTitle(qs(model.title()));
    auto* form = new QFormLayout(this);
    for (int i = 0; i < kOverseerFieldCount; ++i) {
        const auto field = static_cast<OverseerField>(i);
        auto* edit = new QLineEdit(qs(model.text(field)), this);
        edit->setMaxLength(CircuitOverseerModel::limit(field));
        // Room for the whole text of a field, up to a comfortable line.
        const int chars = std::min(CircuitOverseerModel::limit(field), 44);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * chars);
        connect(edit, &QLineEdit::textEdited, this, [edit, &model, field](const QString& t) {
            if (model.setText(field, t.toStdString())) return;
            const QSignalBlocker block(edit);
            edit->setText(qs(model.text(field)));
        });
        boxes_[i] = edit;
        form->addRow(qs(model.caption(field)), edit);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(qs(model.okText()), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(qs(model.cancelText()), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, &model] {
        model.ok();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

}  // namespace velno
