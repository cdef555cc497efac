#include "gui/context/editing_menu_view.h"

#include "gui/ui/caption.h"
#include "gui/ui/text_codec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace bm::gui {

EditingMenuView::EditingMenuView(context::EditingMenu& model, QWidget* parent)
    : ScreenView(ui::Screen::EditingMenu, parent), model_(model) {
    heading = makeHeading(QString(), this);

    auto* column = new QVBoxLayout;
    for (int i = 0; i < context::kMenuButtonCount; ++i) {
        auto* b =
            makeButton(toDisplay(context::kMenuButtonCaptions[static_cast<std::size_t>(i)]), this);
        b->setMinimumSize(260, 34);
        buttons_[static_cast<std::size_t>(i)] = b;
        column->addWidget(b);
        const auto which = static_cast<context::MenuButton>(i);
        connect(b, &QPushButton::clicked, this, [this, which] { model_.press(which); });
    }
    backButton = makeButton(toDisplay(context::kBackToMenu), this);
    backButton->setMinimumSize(260, 34);
    column->addSpacing(12);
    column->addWidget(backButton);
    column->addStretch();
    connect(backButton, &QPushButton::clicked, this, [this] { model_.backToMenu(); });

    reportPanel_ = new QWidget(this);
    auto* report = new QVBoxLayout(reportPanel_);
    report->setContentsMargins(0, 0, 0, 0);
    reportHeading = makeHeading(QString(), reportPanel_);
    reportText = new QPlainTextEdit(reportPanel_);
    reportText->setReadOnly(true);
    reportText->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    reportText->setMinimumSize(480, 340);
    reportOkButton = makeButton(toDisplay(context::kReportOk), reportPanel_);
    report->addWidget(reportHeading);
    report->addWidget(reportText);
    report->addWidget(reportOkButton, 0, Qt::AlignRight);
    connect(reportOkButton, &QPushButton::clicked, this, [this] { model_.closeReport(); });

    auto* body = new QHBoxLayout;
    body->addLayout(column);
    body->addWidget(reportPanel_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body);
    // The window grows when a report appears and shrinks back after "OK".
    layout->setSizeConstraint(QLayout::SetFixedSize);

    watch(model_, [this] { render(); });
    render();
}

void EditingMenuView::render() {
    heading->setText(toDisplay(model_.heading()));
    for (int i = 0; i < context::kMenuButtonCount; ++i) {
        const auto which = static_cast<context::MenuButton>(i);
        button(which)->setEnabled(model_.isEnabled(which));
        button(which)->setVisible(model_.isVisible(which));
    }
    backButton->setVisible(model_.backToMenuVisible());
    const bool wasReporting = reportPanel_->isVisibleTo(this);
    reportPanel_->setVisible(model_.reporting());
    setCaption(reportHeading, reportText, toDisplay(model_.reportHeading()));
    reportText->setPlainText(toDisplayText(model_.reportText()));
    if (model_.reporting() && !wasReporting) {
        reportText->setFocus();
    }
}

} // namespace bm::gui
