#include "overlay/drawing/OverlayShader.h"

namespace {

constexpr const char* kQuadVertexSource = R"(#version 410 core
layout(location = 0) in vec2 vPosition;
layout(location = 1) in vec2 vTexCoord;
out vec2 tc;
void main() {
    gl_Position = vec4(vPosition * 2.0 - 1.0, 0.0, 1.0);
    tc = vTexCoord;
}
)";

constexpr const char* kQuadFragmentSource = R"(#version 410 core
in vec2 tc;
out vec4 fragColor;
uniform sampler2D OverlayTexture;
uniform float Alpha;
void main() {
    vec4 texel = texture(OverlayTexture, tc);
    fragColor = vec4(texel.rgb, texel.a * Alpha);
}
)";

}  // namespace

ShaderSource OverlayShaderSource() { return {kQuadVertexSource, kQuadFragmentSource}; }
