#pragma once

#include <QLabel>
#include <QString>

namespace bm::gui {

// Ties a caption label to the control it names: the label's mnemonic moves
// the focus there, and screen readers announce the control by the caption
// (item views ignore buddies, so the name is also set on the control).
inline void setCaption(QLabel* label, QWidget* control, const QString& text) {
    label->setText(text);
    label->setBuddy(control);
    control->setAccessibleName(text);
}

} // namespace bm::gui
