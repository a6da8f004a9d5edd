#pragma once
// Soil layer records (R11d): per layer the type and bottom depth, then the
// parameters at the top and at the bottom of the layer from its nested table.
namespace torven::tables {
class TGridTable;
}

namespace torven::data {

class FileText;
class TWordReader;

inline constexpr int kSoilTypes = 7;

// The count line and every layer of a soil table. The long-term set carries
// a placeholder where the short-term set has the earth-pressure coefficient.
void WriteSoilLayers(const tables::TGridTable& soil, bool longTerm, FileText& out);

// The old form (older layouts) gives each layer's thickness and one line of
// five parameters for top and bottom, without unit conversion.
void ReadSoilLayers(TWordReader& in, tables::TGridTable& soil, bool longTerm, bool oldForm);

}  // namespace torven::data
