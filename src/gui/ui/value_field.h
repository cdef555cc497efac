#pragma once

#include <QAbstractButton>

namespace bm::gui {

// A value shown as a field that is edited by opening it: click, Enter or
// Space. Screen readers hear its caption as the name and the value as the
// description.
class ValueField : public QAbstractButton {
    Q_OBJECT
public:
    explicit ValueField(const QString& caption, QWidget* parent = nullptr);

    void setValue(const QString& value);
    QString value() const { return text(); }
    void setCaption(const QString& caption);
    QString caption() const { return accessibleName(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace bm::gui
