// One line of text on a picture, at half the built-in font's size: 8 x 12 pixels a
// character, each pixel blended by how many of the 2 x 2 glyph cells it covers are lit.
#pragma once

#include <string>

#include "tools/hostcli/PictureDrawing.h"

constexpr int kCaptionCharacterWidth = 8;
constexpr int kCaptionLineHeight = 12;

// The characters drawn: every UTF-8 sequence outside ASCII becomes one '?'.
std::string CaptionCharacters(const std::string& text);
// The text, cut to at most maxWidth pixels, ending in ".." when it had to be cut.
std::string FitCaption(const std::string& text, int maxWidth);
// Draws the text with its top-left corner at (x, y).
void DrawCaption(Picture& picture, int x, int y, const std::string& text, Rgb colour);
