#include "gui/ui/value_field.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace bm::gui {

namespace {
constexpr int kPadding = 4;
}

ValueField::ValueField(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCaption(caption);
    setValue(QString());
}

void ValueField::setValue(const QString& value) {
    setText(value);
    // The value is data, drawn as it stands: an ampersand in a name must not
    // become a keyboard shortcut that opens the field.
    setShortcut(QKeySequence());
    setAccessibleDescription(value);
    setToolTip(value);
    update();
}

void ValueField::setCaption(const QString& caption) {
    setAccessibleName(caption);
}

QSize ValueField::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {std::max(120, fm.horizontalAdvance(text()) + 2 * kPadding + 2),
            fm.height() + 2 * kPadding};
}

QSize ValueField::minimumSizeHint() const {
    return {60, fontMetrics().height() + 2 * kPadding};
}

void ValueField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, palette().color(isEnabled() ? QPalette::Base : QPalette::Window));
    painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
    painter.drawRect(box);
    if (hasFocus()) {
        painter.drawRect(box.adjusted(1, 1, -1, -1));
    }
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const QRect inner = box.adjusted(kPadding, 0, -kPadding, 0);
    painter.drawText(inner, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     fontMetrics().elidedText(text(), Qt::ElideRight, inner.width()));
}

void ValueField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace bm::gui
