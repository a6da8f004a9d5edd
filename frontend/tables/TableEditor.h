#pragma once
// What a table knows of its open edit window.
namespace torven::tables {

class TableEditor {
public:
    virtual ~TableEditor() = default;
    // A stored value changed: redraw that cell.
    virtual void CellChanged(int column, int row) = 0;
    // Rows or units changed: redraw everything.
    virtual void TableChanged() = 0;
    // Free the window; it detaches itself from the table.
    virtual void Close() = 0;
};

}  // namespace torven::tables
