#pragma once
// The output report: fixed-column lines written in one pass, with the
// section boxes and unit labels shared by every section.
#include <ostream>
#include <string>

namespace torven {

struct UnitLabels {
    std::string length3;  // " IN" / "  M" / "  L"
    std::string force4;   // " LBS" / "  KN" / "   F"
    std::string length2;  // "IN" / " M" / " L"
    std::string force3;   // "LBS" / " KN" / "  F"

    static UnitLabels forUnits(int units);
};

class Report {
public:
    explicit Report(std::ostream& out) : out_(out) {}

    void line(const std::string& text = std::string());
    void emptyLines(int count);
    // Two empty lines and the three-line box around a title.
    void sectionBox(const std::string& title);
    // Header of a depth / active earth pressure table.
    void depthPressureHeader(const UnitLabels& labels);
    void depthPressureRow(double depth, double pressure);

    std::ostream& stream() { return out_; }

private:
    std::ostream& out_;
};

}  // namespace torven
