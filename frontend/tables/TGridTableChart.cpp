#include "frontend/tables/TGridTableChart.h"

#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/DefinitionWriter.h"
#include "frontend/tables/StreamReadError.h"
#include "frontend/tables/TableRegistry.h"

namespace torven::tables {

TGridTableChart::TGridTableChart(TGridTable* owner) : TGridTable(ChartTableRegistry(), owner) {}

std::unique_ptr<TGridTable> TGridTableChart::CreateBlank(TGridTable* owner) const {
    return std::make_unique<TGridTableChart>(owner);
}

void TGridTableChart::CopyLayout(const TGridTable& from) {
    TGridTable::CopyLayout(from);
    if (const auto* chart = dynamic_cast<const TGridTableChart*>(&from)) {
        getDataFromFile_ = chart->getDataFromFile_;
        okCancelButtons_ = chart->okCancelButtons_;
        invertedXAxis_ = chart->invertedXAxis_;
        invertedYAxis_ = chart->invertedYAxis_;
        graphic_ = chart->graphic_;
    }
}

void TGridTableChart::ReadTrailer(DefinitionReader& in, int columnCount) {
    GraphicParameters graphic;
    try {
        graphic.showChart = in.ReadBoolean();
        graphic.usePaintBox = in.ReadBoolean();
        graphic.xColumn = in.ReadInteger();
        graphic.yColumn = in.ReadInteger();
        graphic.spare1 = in.ReadInteger();
        graphic.spare2 = in.ReadInteger();
    } catch (const StreamReadError&) {
        throw StreamReadError("Error reading graphic parameters");
    }
    const auto names = [columnCount](int column) { return column >= 0 && column < columnCount; };
    if (graphic.showChart && !(names(graphic.xColumn) && names(graphic.yColumn))) {
        throw StreamReadError("Error reading graphic parameters");
    }
    graphic_ = graphic;
}

void TGridTableChart::WriteTrailer(DefinitionWriter& out) const {
    out.WriteBoolean(graphic_.showChart);
    out.WriteBoolean(graphic_.usePaintBox);
    out.WriteInteger(graphic_.xColumn);
    out.WriteInteger(graphic_.yColumn);
    out.WriteInteger(graphic_.spare1);
    out.WriteInteger(graphic_.spare2);
    out.NewLine();
}

}  // namespace torven::tables
