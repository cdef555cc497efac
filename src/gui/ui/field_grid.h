#pragma once

#include "core/promotion/prompt_table.h"
#include "gui/ui/text_codec.h"
#include "gui/ui/value_field.h"

#include <QLabel>
#include <QObject>

#include <array>
#include <functional>
#include <string_view>
#include <vector>

class QGridLayout;
class QScrollBar;

namespace bm::ui {
class Bar;
}

namespace bm::gui {

// A column of captioned fields: each row a caption label naming its control
// (for screen readers and the label's mnemonic) and the control, with an
// optional button beside it. The rows' controls, in order, are the tab order.
class FieldGrid {
public:
    explicit FieldGrid(QWidget* owner);

    QGridLayout* layout() const { return grid_; }
    // Returns the caption label.
    QLabel* addRow(std::string_view caption, QWidget* control, QWidget* beside = nullptr);
    struct ValueRow {
        ValueField* field;
        QLabel* caption;
    };
    ValueRow addValueField(std::string_view caption, QWidget* beside = nullptr);
    // A scroll bar named by its caption, with the label showing its value
    // beside it (not a stop of the Tab key: the bar tells its value too).
    struct BarRow {
        QScrollBar* bar;
        QLabel* value;
        QLabel* caption;
        // The bar's position and the label's text, without announcing a change.
        void show(const ui::Bar& position, const QString& text) const;
    };
    BarRow addBarRow(std::string_view caption, const ui::Bar& bar);
    // Every control and beside-button, in row order.
    const std::vector<QWidget*>& focusOrder() const { return focusOrder_; }

private:
    QWidget* owner_;
    QGridLayout* grid_;
    int rows_ = 0;
    std::vector<QWidget*> focusOrder_;
};

// The value fields of one prompt table, found by field: each is added as a
// grid row with the caption of its table row (and an optional button beside
// it), and a click (Enter, Space) calls `edit` with the field.
template <typename Field, std::size_t N> class PromptRows {
public:
    template <typename Block>
    void add(FieldGrid& grid, const promotion::PromptTable<Field, N, Block>& table, Field field,
             QObject* context, std::function<void(Field)> edit, QWidget* beside = nullptr) {
        const auto i = static_cast<std::size_t>(field);
        const auto row = grid.addValueField(table[field].caption, beside);
        fields_[i] = row.field;
        captions_[i] = row.caption;
        QObject::connect(fields_[i], &ValueField::clicked, context,
                         [edit = std::move(edit), field] { edit(field); });
    }
    // Every field of the table, in table order.
    template <typename Block>
    void addAll(FieldGrid& grid, const promotion::PromptTable<Field, N, Block>& table,
                QObject* context, std::function<void(Field)> edit) {
        for (const auto& row : table) {
            add(grid, table, row.field, context, edit);
        }
    }
    // Shows the model's texts.
    void show(const promotion::FieldTexts<Field, N>& texts) {
        for (std::size_t i = 0; i < N; ++i) {
            if (fields_[i]) {
                fields_[i]->setValue(toDisplay(texts[static_cast<Field>(i)]));
            }
        }
    }
    ValueField* field(Field f) const { return fields_[static_cast<std::size_t>(f)]; }
    QLabel* caption(Field f) const { return captions_[static_cast<std::size_t>(f)]; }

private:
    std::array<ValueField*, N> fields_{};
    std::array<QLabel*, N> captions_{};
};

} // namespace bm::gui
