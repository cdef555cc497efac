#pragma once

#include <QLabel>
#include <QString>

namespace bm::gui {

// Ties a caption label to the control it names: screen readers announce the
// control by the caption (item views ignore buddies, so the name is also set
// on the control). Captions are shown as written: the "&" of "City & State"
// is no mnemonic.
inline void setCaption(QLabel* label, QWidget* control, const QString& text) {
    label->setText(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")));
    label->setBuddy(control);
    control->setAccessibleName(text);
}

} // namespace bm::gui
