#pragma once
// A typed column of a grid table: its definition and one cell per row.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torven::tables {

class DefinitionReader;
class DefinitionWriter;
class TGridTable;
class TextMetrics;

// Stream keys of the column classes.
enum class ColumnKey { Enum = 0, Int = 1, Float = 2, Table = 3, String = 4 };

class TColumn {
public:
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    virtual ColumnKey Key() const = 0;
    TGridTable& Table() const { return *table_; }

    const std::vector<std::string>& Captions() const { return captions_; }
    void SetCaptions(std::vector<std::string> captions) { captions_ = std::move(captions); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    // One value per row group.
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool grouped) { grouped_ = grouped; }

    // Rows: new cells take the column's default.
    virtual int CellCount() const = 0;
    virtual void InsertRows(int index, int count) = 0;
    virtual void DeleteRow(int index) = 0;
    // Fails before any row is inserted when the layout cannot take rows.
    virtual void CheckLayout() const {}

    virtual int CaptionLineCount() const;
    virtual std::string CaptionLine(int line) const;

    // Cell access; the wrong class for the column fails with "Data of wrong type".
    virtual TGridTable& GetTable(int row) const;
    virtual long double GetFloat(int row) const;
    virtual void SetFloat(int row, long double value);
    virtual int GetInt(int row) const;
    virtual void SetInt(int row, int value);
    virtual std::string GetText(int row) const;
    // Reads typed text; a rejected entry fails with an AssignError.
    virtual void SetText(int row, std::string_view text);

    virtual bool IsModified() const { return false; }
    virtual void ResetModified() {}
    virtual void CloseEditors() {}
    int RowGroupSize() const;
    // Widest caption line and two blanks, in pixels, but at least the
    // class's minimum width.
    virtual int DisplayWidth(const TextMetrics& metrics) const;
    virtual double MinimumWidthInches() const { return 0; }
    // Converts the cells from the table's current system to the new one.
    virtual void SetUnits(int system);
    // In-cell controls (drop-down lists, buttons) in the edit window.
    virtual bool UsesControls() const { return false; }

    // Captions and flags, then the class's own values.
    virtual void WriteDefinition(DefinitionWriter& out) const;
    // A copy of the definition, without cells, for another table.
    virtual std::unique_ptr<TColumn> Clone(TGridTable& table) const = 0;

protected:
    explicit TColumn(TGridTable& table) : table_(&table) {}
    TColumn(TGridTable& table, const TColumn& definition);
    // Captions, Visible and Grouped from the stream.
    TColumn(TGridTable& table, DefinitionReader& in);

    void CheckRow(int row) const;
    // First and one-past-last row that a stored value goes to.
    std::pair<int, int> StoredRows(int row) const;
    // Position among the table's columns.
    int Index() const;
    void Changed(int row, bool valueDiffers) const;

private:
    TGridTable* table_;
    std::vector<std::string> captions_;
    bool visible_ = true;
    bool grouped_ = false;
};

}  // namespace torven::tables
