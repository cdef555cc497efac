#pragma once

#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

namespace bm::gui {

// Shows a model's single-choice list: its entries, and the chosen one
// (-1: none). Signals are held back, so drawing never chooses anything.
void showChoiceList(QListWidget* list, const std::vector<std::string>& entries, int chosen);

// Calls `choose` with the chosen row (-1 when the choice is cleared). The
// selection counts, not the current row: Qt moves the current row to the
// first entry when the list merely receives the focus.
void onChoiceListChosen(QListWidget* list, QObject* context, std::function<void(int)> choose);

} // namespace bm::gui
