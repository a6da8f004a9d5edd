#pragma once
// Curve tables: grid tables whose edit window draws the curve as a chart.
// They number their tables apart from the plain grid tables.
#include "frontend/tables/TEnumColumn.h"
#include "frontend/tables/TFloatColumn.h"
#include "frontend/tables/TGridTable.h"
#include "frontend/tables/TIntColumn.h"
#include "frontend/tables/TStringColumn.h"
#include "frontend/tables/TTableColumn.h"

namespace torven::tables {

// The columns behave as those of the plain tables.
using TColumnChart = TColumn;
using TEnumColumnChart = TEnumColumn;
using TIntColumnChart = TIntColumn;
using TFloatColumnChart = TFloatColumn;
using TStringColumnChart = TStringColumn;
using TTableColumnChart = TTableColumn;
using TDataChart = TData;

// Read and written after the columns.
struct GraphicParameters {
    bool showChart = false;
    bool usePaintBox = false;
    int xColumn = 0;  // 0-based columns plotted on the axes
    int yColumn = 0;
    int spare1 = 0;
    int spare2 = 0;

    bool operator==(const GraphicParameters&) const = default;
};

class TGridTableChart : public TGridTable {
public:
    explicit TGridTableChart(TGridTable* owner = nullptr);

    // The edit window offers import from a file and the clipboard.
    bool GetDataFromFile() const { return getDataFromFile_; }
    void SetGetDataFromFile(bool flag) { getDataFromFile_ = flag; }
    bool OKCancelButtons() const { return okCancelButtons_; }
    void SetOKCancelButtons(bool flag) { okCancelButtons_ = flag; }
    bool InvertedXAxis() const { return invertedXAxis_; }
    void SetInvertedXAxis(bool flag) { invertedXAxis_ = flag; }
    bool InvertedYAxis() const { return invertedYAxis_; }
    void SetInvertedYAxis(bool flag) { invertedYAxis_ = flag; }
    const GraphicParameters& Graphic() const { return graphic_; }
    void SetGraphic(const GraphicParameters& graphic) { graphic_ = graphic; }

    std::unique_ptr<TGridTable> CreateBlank(TGridTable* owner) const override;

protected:
    // A nested curve draws like its template.
    void CopyLayout(const TGridTable& from) override;
    // "Error reading graphic parameters" when the six values are missing or
    // the chart names a column the table does not have.
    void ReadTrailer(DefinitionReader& in, int columnCount) override;
    void WriteTrailer(DefinitionWriter& out) const override;

private:
    bool getDataFromFile_ = false;
    bool okCancelButtons_ = false;
    bool invertedXAxis_ = false;
    bool invertedYAxis_ = false;
    GraphicParameters graphic_;
};

}  // namespace torven::tables
