#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace bm::roster {

// How the roster grid orders the cells of a column: cells that are wholly a
// number ("12", "-3.5", blanks around it) by value and before every other
// cell; the others with upper and lower case together ("alpha" before
// "Beta"), and byte by byte where they differ only in case. A total order,
// whatever the cells hold. Negative, zero or positive, as strcmp.
int compareCells(std::string_view a, std::string_view b);

// The text of one row's cell; rows are roster positions.
using CellOf = std::function<std::string_view(int row)>;

// Orders the rows by their cells; rows with equal cells in roster order.
void sortRows(std::vector<int>& rows, const CellOf& cellOf);

// Orders the rows by their cells; rows with equal cells keep the order they
// had, so a list sorted by name and then grouped by promotion stays in name
// order within each promotion.
void groupRows(std::vector<int>& rows, const CellOf& cellOf);

} // namespace bm::roster
