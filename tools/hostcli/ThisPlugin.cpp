#include "tools/hostcli/ThisPlugin.h"

#include <iterator>

#include "effect/font/GlyphTable.h"

static_assert(std::size(GlyphTable) == kFontGlyphCount && std::size(GlyphTable[0]) == kFontGlyphRows);

const uint16_t* FontGlyphRows(unsigned char code) {
    const int index = code - kFontFirstCode;
    return GlyphTable[index >= 0 && index < kFontGlyphCount ? index : 0];
}
