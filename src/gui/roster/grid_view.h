#pragma once

#include <QTableView>

namespace bm::gui {

// A read-only table of text cells whose rows are chosen with the mouse or
// the keyboard: a click chooses the cell clicked; Enter or Space choose the
// current row's cell in the key column. Nothing is edited in place.
class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(int keyColumn, QWidget* parent = nullptr);

Q_SIGNALS:
    void cellChosen(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int keyColumn_;
};

} // namespace bm::gui
