// stb_image 2.27 copies a JPEG Huffman table into a 256-entry array without checking how
// many codes the table declares; a crafted table writes past it. This walk finds every
// table the decoder could reach and measures it first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Whether the bytes start the way the decoder recognises a JPEG (0xFF fill, then SOI).
bool LooksLikeJpeg(std::span<const uint8_t> bytes);

// False when a Huffman table the decoder would read declares more than 256 codes.
bool JpegHuffmanTablesFit(std::span<const uint8_t> bytes);
