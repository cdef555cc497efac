#include "gui/promotion/promotion_menu_view.h"

#include "gui/ui/text_codec.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace bm::gui {

PromotionMenuView::PromotionMenuView(promotion::PromotionMenu& model, QWidget* parent)
    : ScreenView(ui::Screen::PromotionMenu, parent), model_(model) {
    heading = makeHeading(toDisplay(promotion::kPromotionMenuHeading), this);

    auto* buttons = new QVBoxLayout;
    createButton = makeButton(toDisplay(promotion::kCreateButton), this);
    editButton = makeButton(toDisplay(promotion::kEditButton), this);
    deleteButton = makeButton(toDisplay(promotion::kDeleteButton), this);
    backButton = makeButton(toDisplay(promotion::kMenuBackButton), this);
    for (auto* b : {createButton, editButton, deleteButton, backButton}) {
        b->setMinimumSize(240, 34);
        if (b == backButton) {
            buttons->addSpacing(12);
        }
        buttons->addWidget(b);
    }
    buttons->addStretch();

    auto* about = new QFrame(this);
    about->setFrameShape(QFrame::StyledPanel);
    auto* aboutLayout = new QVBoxLayout(about);
    aboutHeading = new QLabel(toDisplay(promotion::kAboutHeading), about);
    QFont bold = aboutHeading->font();
    bold.setBold(true);
    aboutHeading->setFont(bold);
    aboutText = new QLabel(toDisplay(promotion::kAboutText), about);
    aboutText->setWordWrap(true);
    aboutText->setFixedWidth(300);
    aboutText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    aboutLayout->addWidget(aboutHeading);
    aboutLayout->addWidget(aboutText);
    aboutLayout->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(buttons);
    body->addSpacing(12);
    body->addWidget(about);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(createButton, &QPushButton::clicked, this, [this] { model_.createPromotion(); });
    connect(editButton, &QPushButton::clicked, this, [this] { model_.editPromotion(); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { model_.deletePromotion(); });
    connect(backButton, &QPushButton::clicked, this, [this] { model_.back(); });
}

void PromotionMenuView::showEvent(QShowEvent* event) {
    ScreenView::showEvent(event);
    createButton->setFocus();
}

} // namespace bm::gui
