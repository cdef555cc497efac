#include "gui/ui/selection_bar.h"

#include "gui/ui/text_codec.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace bm::gui {
namespace {
constexpr int kPadding = 6;
}

SelectionItem::SelectionItem(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setCheckable(true);
    setAutoExclusive(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SelectionItem::setColour(std::uint32_t rgb) {
    colour_ = QColor::fromRgb(static_cast<QRgb>(rgb));
    update();
}

QSize SelectionItem::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(text()) + 4 * kPadding, fm.height() + 2 * kPadding};
}

void SelectionItem::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, colour_);
    painter.setPen(QColor(Qt::darkGray));
    painter.drawRect(box);
    // The fixed white and silver need dark text whatever the desktop theme.
    painter.setPen(QColor(Qt::black));
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = box.adjusted(2, 2, -2, -2);
        option.backgroundColor = colour_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void SelectionItem::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        Q_EMIT moveRequested(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        Q_EMIT moveRequested(1);
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

SelectionBar::SelectionBar(const ui::Selection& selection, int columns, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    for (int i = 0; i < selection.size(); ++i) {
        auto* caption =
            new SelectionItem(toDisplay(selection.captions()[static_cast<std::size_t>(i)]), this);
        items_.push_back(caption);
        grid->addWidget(caption, i / columns, i % columns);
        connect(caption, &SelectionItem::moveRequested, this, [this, i](int step) {
            const int to = i + step;
            if (to >= 0 && to < count()) {
                item(to)->setFocus(Qt::OtherFocusReason);
            }
        });
    }
    showSelection(selection);
}

void SelectionBar::onSelect(QObject* context, std::function<void(int)> select) {
    for (int i = 0; i < count(); ++i) {
        connect(item(i), &QAbstractButton::clicked, context, [select, i] { select(i); });
    }
}

void SelectionBar::showSelection(const ui::Selection& selection) {
    for (int i = 0; i < count(); ++i) {
        const bool selected = selection.isSelected(i);
        item(i)->setColour(selection.colour(i));
        // Tab reaches the group at its selected caption only.
        item(i)->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        if (selected) {
            item(i)->setChecked(true);
        }
    }
}

} // namespace bm::gui
