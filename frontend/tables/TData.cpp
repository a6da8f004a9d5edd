#include "frontend/tables/TData.h"

#include "frontend/tables/TColumn.h"

namespace torven::tables {

long double TData::GetFloat() const { return column_->GetFloat(row_); }
void TData::SetFloat(long double value) const { column_->SetFloat(row_, value); }
int TData::GetInt() const { return column_->GetInt(row_); }
void TData::SetInt(int value) const { column_->SetInt(row_, value); }
std::string TData::GetText() const { return column_->GetText(row_); }
void TData::SetText(std::string_view text) const { column_->SetText(row_, text); }
TGridTable& TData::GetTable() const { return column_->GetTable(row_); }

}  // namespace torven::tables
