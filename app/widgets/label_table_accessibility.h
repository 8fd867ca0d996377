#pragma once

#include <QString>
#include <vector>

class QLabel;
class QWidget;

namespace sarovin {

// A grid of labels as a screen reader should read it: a table with its
// row and column headers, not a heap of numbers.
struct LabelTable {
    QString name;
    std::vector<QLabel*> columnHeaders;
    std::vector<QLabel*> rowHeaders;
    // Row by row, a label for each column header.
    std::vector<QLabel*> cells;
    // Widgets beside the table in the same container, such as a row of
    // totals or a legend: read after the cells as themselves, while shown.
    std::vector<QWidget*> besides = {};
};

// Makes `container`, which holds the labels, read as `table`. A column
// whose header is hidden is left out, as it is on screen.
void ReadAsTable(QWidget* container, LabelTable table);

}  // namespace sarovin
