#include "frontend/tables/TableDefinitionFile.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "frontend/tables/DefinitionReader.h"
#include "frontend/tables/StreamReadError.h"
#include "frontend/tables/TGridTableChart.h"

namespace torven::tables {

namespace {

std::unique_ptr<TGridTable> CreateTable(const std::string& className) {
    if (className == "TGridTable") return std::make_unique<TGridTable>();
    if (className == "TGridTableChart") return std::make_unique<TGridTableChart>();
    return nullptr;
}

bool ReadChartProperty(TGridTableChart& chart, const std::string& name, DefinitionReader& in) {
    if (name == "GetDataFromFile") {
        chart.SetGetDataFromFile(in.ReadBoolean());
    } else if (name == "OKCancelButtons") {
        chart.SetOKCancelButtons(in.ReadBoolean());
    } else if (name == "InvertedXAxis") {
        chart.SetInvertedXAxis(in.ReadBoolean());
    } else if (name == "InvertedYAxis") {
        chart.SetInvertedYAxis(in.ReadBoolean());
    } else {
        return false;
    }
    return true;
}

void ReadColumnBlock(TGridTable& table, DefinitionReader& in) {
    DefinitionReader block = in.ReadBlock();
    table.ReadColumns(block);
    if (!block.AtEnd()) block.Fail("the column definitions go on after their last value");
}

void ReadProperty(TGridTable& table, const std::string& name, DefinitionReader& in) {
    if (name == "Caption") {
        table.SetCaption(in.ReadString());
    } else if (name == "Comments") {
        table.SetComments(in.ReadString());
    } else if (name == "MinRows") {
        table.SetMinRows(in.ReadInteger());
    } else if (name == "MaxRows") {
        table.SetMaxRows(in.ReadInteger());
    } else if (name == "RowGroup") {
        table.SetRowGroup(in.ReadInteger());
    } else if (name == "TopLeft") {
        table.SetTopLeft(in.ReadString());
    } else if (name == "HardwiredButton") {
        table.SetHardwiredButton(in.ReadBoolean());
    } else if (name == "HelpPicture") {
        table.SetHelpPicture(in.ReadString());
    } else if (name == "Col") {
        ReadColumnBlock(table, in);
    } else if (auto* chart = dynamic_cast<TGridTableChart*>(&table); chart == nullptr ||
                                                                       !ReadChartProperty(*chart, name, in)) {
        in.Fail("the table has no property " + name);
    }
}

// Another table of the same family in the set that holds the identifier.
const TGridTable* Holder(const TableSet& set, const TGridTable& table, int identifier) {
    for (int i = 0; i < set.Count(); ++i) {
        const TGridTable& other = set.At(i);
        if (&other != &table && &other.Registry() == &table.Registry() && other.Identifier() == identifier) {
            return &other;
        }
    }
    return nullptr;
}

std::string NameOf(const TableSet& set, const TGridTable* table) {
    for (int i = 0; i < set.Count(); ++i) {
        if (&set.At(i) == table) return set.Name(i);
    }
    return "?";
}

// Identifiers name templates, so two tables of a family may not share one.
void ReadIdentifier(TGridTable& table, const TableSet& set, DefinitionReader& in) {
    const int line = in.Line();
    const int identifier = in.ReadInteger();
    if (const TGridTable* other = Holder(set, table, identifier)) {
        throw StreamReadError("line " + std::to_string(line) + ": the identifier " + std::to_string(identifier) +
                              " is held by " + NameOf(set, other) + " already");
    }
    table.SetIdentifier(identifier);
}

// "object Name: Class", the new table added to the set under its name.
TGridTable& ReadObjectHeader(DefinitionReader& in, TableSet& set, std::string& name) {
    if (!in.NextIsWord("object")) in.Fail("\"object\" was expected");
    in.ReadWord();
    const int line = in.Line();
    name = in.ReadWord();
    in.ReadSymbol(':');
    const std::string className = in.ReadWord();
    auto table = CreateTable(className);
    if (table == nullptr) throw StreamReadError("line " + std::to_string(line) + ": unknown table class " + className);
    if (set.Find(name) != nullptr) throw StreamReadError("line " + std::to_string(line) + ": a second table " + name);
    TGridTable& added = *table;
    set.Add(name, std::move(table));
    return added;
}

void ReadObject(DefinitionReader& in, TableSet& set, const std::string& source) {
    std::string name;
    TGridTable* table = nullptr;
    try {
        table = &ReadObjectHeader(in, set, name);
    } catch (const StreamReadError& error) {
        throw StreamReadError(source + ", " + error.what());
    }
    try {
        table->SetLoading(true);
        while (!in.NextIsWord("end")) {
            const std::string property = in.ReadWord();
            in.ReadSymbol('=');
            if (property == "Identifier") {
                ReadIdentifier(*table, set, in);
            } else {
                ReadProperty(*table, property, in);
            }
        }
        in.ReadWord();
        table->SetLoading(false);
    } catch (const std::exception& error) {
        throw StreamReadError(source + ", table " + name + ": " + error.what());
    }
}

// Every template a table column names is a table of the set and family.
void CheckTemplates(const TableSet& set, const std::string& source) {
    for (int i = 0; i < set.Count(); ++i) {
        const TGridTable& table = set.At(i);
        for (int c = 0; c < table.ColumnCount(); ++c) {
            const auto* column = dynamic_cast<const TTableColumn*>(&table.Column(c));
            if (column == nullptr) continue;
            for (int identifier : column->Templates().Identifiers()) {
                if (identifier >= 0 && Holder(set, table, identifier) == nullptr) {
                    throw StreamReadError(source + ", table " + set.Name(i) + ": column " + std::to_string(c) +
                                          " names the template " + std::to_string(identifier) +
                                          ", which no table of its kind holds");
                }
            }
        }
    }
}

}  // namespace

TableSet ReadTableDefinitions(std::string_view text, const std::string& source) {
    std::optional<DefinitionReader> in;
    try {
        in.emplace(DefinitionReader::FromText(text));
    } catch (const StreamReadError& error) {
        throw StreamReadError(source + ", " + error.what());
    }
    TableSet set;
    while (!in->AtEnd()) ReadObject(*in, set, source);
    CheckTemplates(set, source);
    return set;
}

TableSet LoadTableDefinitions(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw StreamReadError("Cannot open the table definitions " + file.string());
    std::ostringstream text;
    text << in.rdbuf();
    return ReadTableDefinitions(text.str(), file.filename().string());
}

}  // namespace torven::tables
