#pragma once

#include "core/ui/selection.h"

#include <QAbstractButton>
#include <QWidget>

#include <functional>
#include <vector>

namespace bm::gui {

// One caption of a selection bar: a white or silver label that is clicked
// (or given Enter or Space) to select it. Screen readers hear it as a radio
// button: its caption and whether it is the selected one.
class SelectionItem : public QAbstractButton {
    Q_OBJECT
public:
    explicit SelectionItem(const QString& caption, QWidget* parent = nullptr);

    void setColour(std::uint32_t rgb);
    QSize sizeHint() const override;

Q_SIGNALS:
    // An arrow key: -1 towards the first caption, +1 towards the last.
    void moveRequested(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Only the model selects: a click asks it, the drawing follows.
    void nextCheckState() override {}

private:
    QColor colour_;
};

// The captions of a ui::Selection in rows of `columns`. The group is one
// stop of the Tab key (the selected caption); the arrow keys move between
// captions and Enter or Space selects the one that has the focus.
class SelectionBar : public QWidget {
    Q_OBJECT
public:
    SelectionBar(const ui::Selection& selection, int columns, QWidget* parent = nullptr);

    // Calls `select` with the position of a clicked caption.
    void onSelect(QObject* context, std::function<void(int)> select);
    // Draws the selection: colours, the checked caption, the Tab stop.
    void showSelection(const ui::Selection& selection);

    SelectionItem* item(int i) const { return items_[static_cast<std::size_t>(i)]; }
    int count() const { return static_cast<int>(items_.size()); }

private:
    std::vector<SelectionItem*> items_;
};

} // namespace bm::gui
