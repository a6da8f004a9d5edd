#pragma once
// A named list-valued input: typed columns with one value per row.
#include <memory>
#include <string>
#include <vector>

#include "frontend/tables/TColumn.h"
#include "frontend/tables/TData.h"

namespace torven::tables {

class TEnumColumn;
class TableEditor;
class TableRegistry;

class TGridTable {
public:
    // A table nested in owner takes the owner's unit system; others start in English.
    explicit TGridTable(TGridTable* owner = nullptr);
    virtual ~TGridTable();
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    // Stored properties.
    int Identifier() const { return identifier_; }
    // Negative values are ignored; a table holding the value swaps with this one.
    void SetIdentifier(int identifier);
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    const std::string& Comments() const { return comments_; }
    void SetComments(std::string comments) { comments_ = std::move(comments); }
    int MinRows() const { return minRows_; }
    // Fails with "Value must be greater than 0" below 1, except while loading.
    void SetMinRows(int rows);
    // 0, or any count never reached, means no limit.
    int MaxRows() const { return maxRows_; }
    void SetMaxRows(int rows) { maxRows_ = rows; }
    int RowGroup() const { return rowGroup_; }
    void SetRowGroup(int size) { rowGroup_ = size < 1 ? 1 : size; }
    const std::string& TopLeft() const { return topLeft_; }
    void SetTopLeft(std::string text) { topLeft_ = std::move(text); }
    bool HardwiredButton() const { return hardwiredButton_; }
    void SetHardwiredButton(bool flag) { hardwiredButton_ = flag; }
    // Name of the image shown under the grid.
    const std::string& HelpPicture() const { return helpPicture_; }
    void SetHelpPicture(std::string picture) { helpPicture_ = std::move(picture); }

    // Set while a definition is read.
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }

    // Run-time state.
    TGridTable* Owner() const { return owner_; }
    int RowCount() const { return rowCount_; }
    int UnitSystem() const { return unitSystem_; }
    int CaptionNumber() const { return captionNumber_; }
    void SetCaptionNumber(int number) { captionNumber_ = number; }

    // Columns, owned by the table.
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TColumn& Column(int index) const;
    int VisibleColumnCount() const;
    TColumn& VisibleColumn(int index) const;
    int IndexOf(const TColumn& column) const;
    // The new column gets a cell for every existing row.
    TColumn& AddColumn(std::unique_ptr<TColumn> column);
    // The first column when it is a choice column: its choice selects the
    // template of nested tables.
    const TEnumColumn* ChoiceColumn() const;
    TData Cell(int column, int row) const;

    // Rows, inserted and deleted in groups of RowGroup.
    void SetRowCount(int count);
    void AddRowGroup();
    void InsertRowGroup(int row);
    void DeleteRowGroup(int row);

    void SetTableUnits(int system);
    // The table's own flag, set by its edit window, or any nested table's.
    bool IsModified() const;
    // False also clears every nested table.
    void SetModified(bool modified);

    // The open edit window, at most one, not owned.
    TableEditor* Editor() const { return editor_; }
    void AttachEditor(TableEditor* editor) { editor_ = editor; }
    void DetachEditor() { editor_ = nullptr; }
    // Closes this window and those of nested tables.
    void CloseEditor();

    // Column-definition stream. Reading replaces the columns only when the
    // whole definition reads; failures are StreamReadErrors.
    void ReadColumns(DefinitionReader& in);
    void WriteColumns(DefinitionWriter& out) const;

    // The family the table is numbered in; templates are looked up there.
    TableRegistry& Registry() const { return registry_; }
    // A table of this class without columns.
    virtual std::unique_ptr<TGridTable> CreateBlank(TGridTable* owner) const;
    // A table of this layout for a row of owner, without rows.
    std::unique_ptr<TGridTable> CreateNested(TGridTable& owner) const;

    // Called by the columns on every stored value.
    void CellChanged(const TColumn& column, int row, bool valueDiffers);

protected:
    TGridTable(TableRegistry& registry, TGridTable* owner);
    // Copies what a nested table takes over from its template.
    virtual void CopyLayout(const TGridTable& from);
    // Values after the columns in the stream.
    virtual void ReadTrailer(DefinitionReader&, int /*columnCount*/) {}
    virtual void WriteTrailer(DefinitionWriter&) const {}

private:
    friend class TableRegistry;

    void InsertRows(int index, int count);
    void DeleteRow(int index);
    void TableChanged() const;

    TableRegistry& registry_;
    TGridTable* owner_;
    int identifier_ = 0;
    std::string caption_;
    std::string comments_;
    int minRows_ = 1;
    int maxRows_ = 0;
    int rowGroup_ = 1;
    std::string topLeft_;
    bool hardwiredButton_ = false;
    std::string helpPicture_;
    bool loading_ = false;

    int rowCount_ = 0;
    int unitSystem_ = 1;
    bool modified_ = false;
    int captionNumber_ = 0;
    std::vector<std::unique_ptr<TColumn>> columns_;
    TableEditor* editor_ = nullptr;
};

}  // namespace torven::tables
