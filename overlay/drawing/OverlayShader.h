// The overlay's program: the picture's texture on the quad, uniforms "OverlayTexture" (its
// sampler unit) and "Alpha" (times the picture's own alpha). Reads the quad's vertices as
// OverlayQuad.h lays them out.
#pragma once

#include "gl/ShaderProgram.h"

ShaderSource OverlayShaderSource();
