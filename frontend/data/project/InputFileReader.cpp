#include "frontend/data/project/InputFileReader.h"

#include <functional>

#include "frontend/data/project/DataSetReader.h"
#include "frontend/data/project/FileLayout.h"
#include "frontend/data/project/StageFiles.h"
#include "frontend/data/project/TProgramData.h"
#include "frontend/data/project/TWordReader.h"
#include "frontend/data/project/TextFile.h"
#include "frontend/tables/TableSet.h"

namespace torven::data {

namespace {

std::optional<std::string> Trapped(const std::function<void()>& read) {
    try {
        read();
    } catch (const ReadFailure& failure) {
        return failure.what();
    } catch (const FileError& failure) {
        return failure.what();
    }
    return std::nullopt;
}

// Only tables the file left empty: a default row added to one the file
// filled (a second curve set, a second pressure row) would be written back
// as data the user never entered.
void RaiseEmptyTablesToMinimumRows(const tables::TableSet& tables) {
    for (int i = 0; i < tables.Count(); ++i) {
        tables::TGridTable& table = tables.At(i);
        if (table.RowCount() == 0) table.SetRowCount(table.MinRows());
    }
}

void ReadFile(TWordReader& in, TProgramData& p, const FileLayout& layout) {
    p.Title = in.ReadLine();
    ReadDataSet(in, p, layout, false);
    if (!layout.longTermCode) return;
    p.LongTermCode = in.ReadInteger();
    if (p.LongTermCode != kLongTermCode) return;
    in.ReadLine();  // the rest of the line of the code
    p.Title = in.ReadLine();
    p.LongTerm = true;
    ReadDataSet(in, p, layout, true);
    in.ReadInteger();  // the closing 0
}

}  // namespace

std::optional<std::string> ReadInputFile(TProgramData& p, const std::filesystem::path& file, int variant) {
    const auto failure = Trapped([&] {
        TWordReader in = TWordReader::Create(file);
        ReadFile(in, p, LayoutOfVariant(variant));
    });
    RaiseEmptyTablesToMinimumRows(p.Tables());
    p.SetModified(false);
    p.HasMEICount = true;
    p.HasTiebackCount = variant == kCurrentVariant;
    return failure;
}

std::optional<std::string> ReadStageFile(TProgramData& p, const std::filesystem::path& file) {
    const auto failure = Trapped([&] {
        TWordReader in = TWordReader::Create(file);
        // Stages 2 to 5 carry a stage caption, not the project's title.
        std::string title = in.ReadLine();
        if (!title.starts_with(kStageTitle)) p.Title = std::move(title);
        ReadDataSet(in, p, StageLayout(p.HasMEICount, p.HasTiebackCount), false);
        // A stage file ends with its stage number, so this is never 9 there.
        p.LongTermCode = in.ReadInteger();
        p.LongTerm = p.LongTermCode == kLongTermCode;
    });
    RaiseEmptyTablesToMinimumRows(p.Tables());
    p.SetModified(false);
    return failure;
}

std::unique_ptr<TProgramData> TProgramData::CreateFromFile(tables::TableSet& tables, const std::filesystem::path& path,
                                                           int variant, ProjectCallbacks callbacks) {
    auto project = std::make_unique<TProgramData>(tables, std::move(callbacks));
    project->FileName = path;
    for (int i = 0; i < tables.Count(); ++i) tables.At(i).SetRowCount(0);
    if (const auto failure = ReadInputFile(*project, path, variant)) project->Callbacks().Inform(*failure);
    return project;
}

}  // namespace torven::data
