#include "frontend/data/UnitCode.h"

#include <string>

namespace torven::data {

namespace {

bool IsOneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

// Reads "X[digit][^n]" at pos when the text there starts with family.
bool ReadTerm(std::string_view side, std::size_t& pos, char family, std::string_view kindDigits,
              std::vector<UnitTerm>& terms) {
    if (pos >= side.size() || side[pos] != family) return false;
    std::string name(1, family);
    ++pos;
    if (pos < side.size() && IsOneOf(side[pos], kindDigits)) {
        if (side[pos] != '0') name += side[pos];
        ++pos;
    }
    int exponent = 1;
    if (pos + 1 < side.size() && side[pos] == '^' && side[pos + 1] >= '0' && side[pos + 1] <= '9') {
        exponent = side[pos + 1] - '0';
        pos += 2;
    }
    terms.push_back({FindUnitKind(name), exponent});
    return true;
}

std::vector<UnitTerm> ParseSide(std::string_view side) {
    std::vector<UnitTerm> terms;
    std::size_t pos = 0;
    // The force term is followed by one separator, the "-" of "F-L".
    if (ReadTerm(side, pos, 'F', "012456", terms) && pos < side.size()) ++pos;
    ReadTerm(side, pos, 'L', "0123", terms);
    return terms;
}

long double SideRatio(const std::vector<UnitTerm>& terms) {
    long double ratio = 1;
    for (const UnitTerm& term : terms) {
        for (int i = 0; i < term.exponent; ++i) ratio *= term.kind->ratio;
    }
    return ratio;
}

}  // namespace

ParsedUnitCode ParseUnitCode(std::string_view code) {
    const std::size_t slash = code.find('/');
    if (slash == std::string_view::npos) return {ParseSide(code), {}};
    return {ParseSide(code.substr(0, slash)), ParseSide(code.substr(slash + 1))};
}

long double UnitRatio(std::string_view code) {
    const ParsedUnitCode parsed = ParseUnitCode(code);
    return SideRatio(parsed.numerator) / SideRatio(parsed.denominator);
}

long double UnitFactor(int from, int to, std::string_view code) {
    from = ClampUnitSystem(from);
    to = ClampUnitSystem(to);
    if (from == kEnglish && to == kSI) return 1 / UnitRatio(code);
    if (from == kSI && to == kEnglish) return UnitRatio(code);
    return 1;
}

}  // namespace torven::data
