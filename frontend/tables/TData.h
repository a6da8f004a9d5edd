#pragma once
// Handle of one cell: a column and a row; valid while the row exists.
#include <string>
#include <string_view>

namespace torven::tables {

class TColumn;
class TGridTable;

class TData {
public:
    TData(TColumn& column, int row) : column_(&column), row_(row) {}

    TColumn& Column() const { return *column_; }
    int Row() const { return row_; }

    long double GetFloat() const;
    void SetFloat(long double value) const;
    int GetInt() const;
    void SetInt(int value) const;
    std::string GetText() const;
    void SetText(std::string_view text) const;
    TGridTable& GetTable() const;

private:
    TColumn* column_;
    int row_;
};

}  // namespace torven::tables
