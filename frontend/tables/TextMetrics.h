#pragma once
// Text measurement of the screen the grid is drawn on.
#include <string_view>

namespace torven::tables {

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int PixelsPerInch() const = 0;
};

}  // namespace torven::tables
