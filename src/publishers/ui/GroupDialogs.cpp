#include "publishers/ui/GroupDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "publishers/GroupAssignModel.h"
#include "publishers/GroupDialogModel.h"
#include "publishers/GroupEditorModel.h"
#include "publishers/PublisherSelectModel.h"
#include "publishers/ui/PublisherSelectDialog.h"
#include "publishers/ui/TabColumns.h"
#include "store/CVelnoDoc.h"
#include "text/ui/QtText.h"

namespace velno {

namespace {

constexpr GroupText kBoxes[] = {GroupText::Overseer, GroupText::Assistant, GroupText::Location,
                                GroupText::Name, GroupText::Time};

std::optional<int> pickFromPublishers(CVelnoDoc& doc, QWidget* parent) {
    PublisherSelectModel model(doc, SelectMode::Picker);
    PublisherSelectDialog dialog(model, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return model.pick();
}

bool runGroupDialog(CVelnoDoc& doc, GroupDialogModel& model, QWidget* parent, bool& assigned) {
    GroupDialog dialog(doc, model, parent);
    const bool ok = dialog.exec() == QDialog::Accepted;
    assigned = dialog.assigned();
    return ok;
}

}  // namespace

// ---- assignment ---------------------------------------------------------------

GroupAssignDialog::GroupAssignDialog(GroupAssignModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName("dialog128");
    groups_ = new QComboBox(this);
    for (const auto& l : model_.groupLines()) groups_->addItem(qs(l));
    filter_ = new QComboBox(this);
    for (const auto& l : model_.filterLines()) filter_->addItem(qs(l));
    candidates_ = new QListWidget(this);
    members_ = new QListWidget(this);
    assign_ = new QPushButton(qs(model_.assignText()), this);
    unassigned_ = new QCheckBox(this);
    inactive_ = new QCheckBox(qs(model_.includeInactiveText()), this);
    count_ = new QLabel(this);
    inactiveCount_ = new QLabel(this);
    name_ = new QLabel(this);
    target_ = new QLabel(this);
    auto* done = new QPushButton(qs(model_.doneText()), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(groups_, 0, 0);
    grid->addWidget(filter_, 0, 2);
    grid->addWidget(members_, 1, 0, 4, 1);
    grid->addWidget(name_, 1, 1);
    grid->addWidget(target_, 2, 1);
    // The middle column's buttons keep their captions' width.
    grid->addWidget(assign_, 3, 1, Qt::AlignHCenter);
    grid->addWidget(candidates_, 1, 2, 4, 1);
    grid->addWidget(count_, 5, 0);
    grid->addWidget(inactiveCount_, 6, 0);
    grid->addWidget(unassigned_, 5, 2);
    grid->addWidget(inactive_, 6, 2);
    grid->addWidget(done, 6, 1, Qt::AlignHCenter);
    resize(720, 440);

    connect(groups_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (showing_) return;
        model_.setGroup(i + 1);
        showModel();
    });
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (showing_) return;
        model_.setFilter(i);
        showModel();
    });
    connect(candidates_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        model_.selectCandidate(row);
        name_->setText(qs(model_.nameLine()));
    });
    connect(unassigned_, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        model_.setUnassignedOnly(on);
        showModel();
    });
    connect(inactive_, &QCheckBox::toggled, this, [this](bool on) {
        if (showing_) return;
        model_.setIncludeInactive(on);
        showModel();
    });
    connect(assign_, &QPushButton::clicked, this, [this] {
        model_.assign();
        showModel();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    showModel();
    candidates_->setFocus();
}

void GroupAssignDialog::showModel() {
    showing_ = true;
    setWindowTitle(qs(model_.title()));
    groups_->setCurrentIndex(model_.group() - 1);
    filter_->setCurrentIndex(model_.filter());
    candidates_->clear();
    for (const auto& r : model_.candidates()) candidates_->addItem(qs(r.text));
    if (model_.candidateRow() >= 0) candidates_->setCurrentRow(model_.candidateRow());
    members_->clear();
    for (const auto& r : model_.members()) members_->addItem(qs(r.text));
    unassigned_->setVisible(model_.unassignedVisible());
    unassigned_->setText(qs(model_.unassignedText()));
    unassigned_->setChecked(model_.unassignedOnly());
    inactive_->setChecked(model_.includeInactive());
    count_->setText(qs(model_.memberCountText()));
    inactiveCount_->setVisible(model_.inactiveCountVisible());
    inactiveCount_->setText(qs(model_.inactiveCountText()));
    name_->setText(qs(model_.nameLine()));
    target_->setText(qs(model_.targetLine()));
    showing_ = false;
}

// ---- one group --------------------------------------------------------------------

GroupDialog::GroupDialog(CVelnoDoc& doc, GroupDialogModel& model, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(model) {
    setObjectName("dialog131");
    setWindowTitle(qs(model_.title()));
    pickPublisher = [this](QWidget* p) { return pickFromPublishers(doc_, p); };
    auto* form = new QFormLayout;
    for (int i = 0; i < 5; ++i) {
        boxes_[i] = new QLineEdit(qs(model_.text(kBoxes[i])), this);
        boxes_[i]->setMaxLength(static_cast<int>(groupTextLimit(kBoxes[i])));
    }
    useName_ = new QCheckBox(qs(model_.nameCheckText()), this);
    useName_->setChecked(model_.useName());
    day_ = new QComboBox(this);
    for (const auto& d : model_.dayLines()) day_->addItem(qs(d));
    day_->setCurrentIndex(model_.day());
    for (int i = 0; i < 2; ++i) {
        auto* row = new QHBoxLayout;
        row->addWidget(boxes_[i]);
        auto* pick = new QPushButton(qs(model_.pickText()), this);
        row->addWidget(pick);
        form->addRow(qs(model_.label(kBoxes[i])), row);
        connect(pick, &QPushButton::clicked, this, [this, i] {
            if (const auto pos = pickPublisher(this)) {
                model_.pick(kBoxes[i], *pos);
                boxes_[i]->setText(qs(model_.text(kBoxes[i])));
            }
        });
    }
    form->addRow(qs(model_.label(GroupText::Location)), boxes_[2]);
    form->addRow(qs(model_.dayLabel()), day_);
    form->addRow(qs(model_.label(GroupText::Time)), boxes_[4]);
    form->addRow(useName_, boxes_[3]);
    boxes_[3]->setEnabled(model_.nameEnabled());
    auto* assigned = new QPushButton(qs(model_.assignedText()), this);
    ok_ = new QPushButton(qs(model_.okText()), this);
    auto* cancel = new QPushButton(qs(model_.cancelText()), this);
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(assigned);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(useName_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setUseName(on);
        boxes_[3]->setEnabled(model_.nameEnabled());
    });
    connect(day_, &QComboBox::currentIndexChanged, this, [this](int d) { model_.setDay(d); });
    // A refused text goes back to what the box held, with the model's message.
    for (int i = 0; i < 5; ++i)
        connect(boxes_[i], &QLineEdit::editingFinished, this, [this, i] {
            std::string message;
            if (!model_.setText(kBoxes[i], boxes_[i]->text().toStdString(), &message)) {
                boxes_[i]->setText(qs(model_.text(kBoxes[i])));
                doc_.prompter().tell(message, Icon::Warning);
            }
        });
    connect(assigned, &QPushButton::clicked, this, [this] {
        GroupAssignModel assign(doc_, model_.group());
        GroupAssignDialog dialog(assign, this);
        dialog.exec();
        assigned_ = assigned_ || assign.changed();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < 5; ++i) {
            std::string message;
            if (!model_.setText(kBoxes[i], boxes_[i]->text().toStdString(), &message)) {
                doc_.prompter().tell(message, Icon::Warning);
                boxes_[i]->setFocus();
                return;
            }
        }
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// ---- the editor ----------------------------------------------------------------------

GroupEditorDialog::GroupEditorDialog(CVelnoDoc& doc, GroupEditorModel& model, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(model) {
    setObjectName("dialog110");
    setWindowTitle(qs(model_.title()));
    editGroup = [this](GroupDialogModel& group, QWidget* p) {
        bool assigned = false;
        const bool ok = runGroupDialog(doc_, group, p, assigned);
        if (assigned) model_.markChanged();
        return ok;
    };
    QStringList headings;
    for (const auto& h : model_.headings()) headings << qs(h);
    // The headings stand under the overseer's column and those after it.
    headings_ = new TabHeadings(headings, 1, this);
    lines_ = new QListWidget(this);
    hint_ = new QLabel(qs(model_.hintText()), this);
    assigned_ = new QPushButton(qs(model_.assignedText()), this);
    edit_ = new QPushButton(this);
    auto* done = new QPushButton(qs(model_.doneText()), this);
    // Return on a line opens its group (the list's activation), not a button.
    for (QPushButton* b : {assigned_, edit_, done}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint_);
    buttons->addStretch();
    buttons->addWidget(assigned_);
    buttons->addWidget(edit_);
    buttons->addWidget(done);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines_);
    layout->addWidget(headings_);
    layout->addLayout(buttons);
    resize(760, 460);

    connect(lines_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (showing_) return;
        model_.select(row);
        showModel();
    });
    auto edit = [this] {
        GroupDialogModel group = model_.groupDialog();
        if (editGroup(group, this)) model_.store(group);
        showModel();
    };
    connect(edit_, &QPushButton::clicked, this, edit);
    connect(lines_, &QListWidget::itemActivated, this, edit);
    connect(assigned_, &QPushButton::clicked, this, [this] {
        GroupAssignModel assign(doc_, model_.selectedGroup());
        GroupAssignDialog dialog(assign, this);
        dialog.exec();
        if (assign.changed()) model_.markChanged();
        showModel();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    showModel();
    lines_->setFocus();
}

void GroupEditorDialog::showModel() {
    showing_ = true;
    lines_->clear();
    for (const auto& l : model_.lines()) lines_->addItem(qs(l));
    // The columns start no nearer than the list's tab stops (dialog units
    // are a quarter of the average character's width).
    std::vector<int> stops;
    for (int units : {24, 110, 195, 285, 335})
        stops.push_back(units * lines_->fontMetrics().averageCharWidth() / 4);
    headings_->place(*lines_, fitTabColumns(lines_, stops));
    lines_->setCurrentRow(model_.selectedRow());
    showing_ = false;
    hint_->setVisible(model_.hintVisible());
    edit_->setText(qs(model_.editButtonText()));
}

}  // namespace velno
