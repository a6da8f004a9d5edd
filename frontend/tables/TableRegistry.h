#pragma once
// The tables of one family, for identifiers and template look-up.
#include <vector>

namespace torven::tables {

class TGridTable;

class TableRegistry {
public:
    // Appends the table and returns its new identifier.
    int Register(TGridTable& table);
    void Unregister(const TGridTable& table);
    // Gives table the identifier; a table that held it takes the table's old one.
    void Claim(TGridTable& table, int identifier);
    // The first registered table with the identifier, or nullptr.
    TGridTable* Find(int identifier) const;

private:
    std::vector<TGridTable*> tables_;
    int next_ = 0;
};

// Plain grid tables and curve tables number their tables apart.
TableRegistry& GridTableRegistry();
TableRegistry& ChartTableRegistry();

}  // namespace torven::tables
