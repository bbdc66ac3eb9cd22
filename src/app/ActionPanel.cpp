#include "app/ActionPanel.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/commands/CommandIds.h"
#include "text/StringTable.h"
#include "text/texts/AppTexts.h"
#include "text/ui/QtText.h"

namespace velno::app {

ActionPanel::ActionPanel(const CommandRegistry& commands, QWidget* parent)
    : QWidget(parent), commands_(commands) {
    setObjectName("ActionPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);

    caption_ = new QLabel(qs(text::tr(text::TxPanelCaption)).trimmed(), this);
    QFont big = caption_->font();
    big.setPointSizeF(big.pointSizeF() * 1.35);
    big.setBold(true);
    caption_->setFont(big);
    caption_->setAlignment(Qt::AlignCenter);
    layout->addWidget(caption_);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    layout->addLayout(columns);
    const int buttonHeight = fontMetrics().height() * 2 + 6;
    for (const PanelColumn& column : panelColumns()) {
        auto* box = new QGroupBox(qs(text::tr(column.heading)), this);
        auto* v = new QVBoxLayout(box);
        v->setSpacing(6);
        for (int id : column.buttons) {
            const Command* c = commands_.find(id);
            auto* b = new QPushButton(qs(text::tr(c ? c->label : 0)), box);
            b->setObjectName(QString("panel%1").arg(id));
            b->setMinimumHeight(buttonHeight);
            // Enter presses the focused button as Space does.
            b->setAutoDefault(true);
            // The width below, whatever room the column has.
            b->setSizePolicy(QSizePolicy::Fixed, b->sizePolicy().verticalPolicy());
            v->addWidget(b, 0, Qt::AlignHCenter);
            buttons_[id] = b;
            order_.push_back(id);
            connect(b, &QPushButton::clicked, this, [this, id] { emit commandTriggered(id); });
        }
        v->addStretch();
        columns->addWidget(box, 1);
    }

    auto* bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    auto* back = new QPushButton(this);
    back->setObjectName(QString("panel%1").arg(kPanelReturnButton));
    back->setMinimumHeight(buttonHeight);
    back->setAutoDefault(true);
    buttons_[kPanelReturnButton] = back;
    connect(back, &QPushButton::clicked, this,
            [this] { emit commandTriggered(kPanelReturnButton); });
    auto* exit = new QPushButton(qs(text::tr(text::TxPanelExit)), this);
    exit->setObjectName(QString("panel%1").arg(cmd::PanelExit));
    exit->setMinimumHeight(buttonHeight);
    exit->setAutoDefault(true);
    buttons_[cmd::PanelExit] = exit;
    connect(exit, &QPushButton::clicked, this, [this] { emit commandTriggered(cmd::PanelExit); });
    bottom->addWidget(back);
    bottom->addStretch();
    bottom->addWidget(exit);
    order_.push_back(cmd::PanelExit);
    order_.push_back(kPanelReturnButton);

    // One width for every button of the columns: the widest caption's
    // button, as the style sizes it (its margins included).
    int width = 0;
    for (const PanelColumn& column : panelColumns())
        for (int id : column.buttons) width = std::max(width, buttons_[id]->sizeHint().width());
    for (const PanelColumn& column : panelColumns())
        for (int id : column.buttons) buttons_[id]->setMinimumWidth(width);
    for (auto& [id, b] : buttons_) b->installEventFilter(this);
}

QPushButton* ActionPanel::button(int id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

std::vector<int> ActionPanel::buttonIds() const {
    return order_;
}

void ActionPanel::focusFirstButton() {
    for (int id : order_) {
        QPushButton* b = buttons_[id];
        if (!b->isVisibleTo(this) || !b->isEnabled()) continue;
        b->setFocus(Qt::TabFocusReason);
        return;
    }
}

bool ActionPanel::eventFilter(QObject* watched, QEvent* event) {
    // The panel is worked by keyboard as much as by mouse: its focus is
    // always drawn, however it got there (a click, the window's activation).
    if (event->type() == QEvent::FocusIn) window()->setAttribute(Qt::WA_KeyboardFocusChange);
    return QWidget::eventFilter(watched, event);
}

void ActionPanel::refresh(const ShellState& state) {
    for (auto& [id, b] : buttons_) {
        const Command* c = commands_.find(id);
        if (!c) continue;
        b->setText(qs(captionOf(*c, state)));
        b->setVisible(app::isVisible(*c, state));
        b->setEnabled(app::isEnabled(*c, state));
        const QString pending = isPending(*c) ? qs(text::tr(text::TxNotAvailableYet)) : QString();
        b->setToolTip(pending);
        b->setStatusTip(pending);
    }
}

}  // namespace velno::app
