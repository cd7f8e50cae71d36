#include "effect/Shaders.h"

#include "overlay/drawing/OverlayShader.h"

const char* const kProcessingVertexSource = R"(#version 410 core
layout(location = 0) in vec4 vPosition;
layout(location = 1) in vec2 vUV;
uniform vec2 MaxUV;
uniform vec2 ViewportRows;  // the viewport's first window row and its height
out vec2 uv;
noperspective out float windowRow;
void main() {
    gl_Position = vPosition;
    uv = vUV;
    // From the viewport's bottom edge to its top, in window rows.
    windowRow = ViewportRows.x + (vPosition.y * 0.5 + 0.5) * ViewportRows.y;
}
)";

// One source for every processing program. A variant defines the four switches below
// after the #version line, fixing each feature on or off (and the colour mode) at compile
// time; the full program defines none and tests the uniforms. Either way every formula is
// the same text, so a variant draws what the full program draws.
const char* const kProcessingFragmentSource = R"(#version 410 core
in vec2 uv;
noperspective in float windowRow;
out vec4 fragColor;
uniform sampler2D InputTexture;
uniform vec2 MaxUV;
uniform vec4 ReadArea;
uniform int ColorMode;
uniform float NoiseAmount;
uniform float GlitchAmount;
uniform float Time;
uniform float ScanLinePos;
uniform float ScanIntensity;

#ifndef COLOR_MODE
#define COLOR_MODE ColorMode
#endif
#ifndef GLITCH
#define GLITCH (GlitchAmount > 0.001)
#endif
#ifndef NOISE
#define NOISE (NoiseAmount > 0.001)
#endif
#ifndef SCAN_GLOW
#define SCAN_GLOW (ScanIntensity > 0.001)
#endif

// Every read of the input. A padded texture's padding holds whatever the texture held
// before: its programs hold each read within the picture.
vec4 readInput(vec2 p) {
#ifdef READ_WITHIN_PICTURE
    p = clamp(p, ReadArea.xy, ReadArea.zw);
#endif
    return texture(InputTexture, p);
}

float rand(vec2 co) {
    return fract(sin(dot(co, vec2(12.9898, 78.233))) * 43758.5453);
}

// Cold to hot through six stops; t is not clamped.
vec3 thermalMap(float t) {
    if (t < 0.15) return mix(vec3(0.0, 0.0, 0.08), vec3(0.0, 0.0, 0.6), t / 0.15);
    if (t < 0.35) return mix(vec3(0.0, 0.0, 0.6), vec3(0.7, 0.0, 0.7), (t - 0.15) / 0.2);
    if (t < 0.55) return mix(vec3(0.7, 0.0, 0.7), vec3(1.0, 0.15, 0.0), (t - 0.35) / 0.2);
    if (t < 0.75) return mix(vec3(1.0, 0.15, 0.0), vec3(1.0, 0.75, 0.0), (t - 0.55) / 0.2);
    return mix(vec3(1.0, 0.75, 0.0), vec3(1.0, 1.0, 0.85), (t - 0.75) / 0.25);
}

void main() {
    float G = GlitchAmount;
    float N = NoiseAmount;
    float T = Time;
    // The used area of a texture that may be padded to its hardware size.
    vec2 tc = uv * MaxUV;

    vec3 color;
    if (GLITCH) {
        // Chromatic aberration: red from the right, green in place, blue from the left;
        // a displaced row instead takes all three from one place further along. Its
        // place is chosen before reading, so a pixel reads three times, not four, and
        // only a displaced row needs its shift.
        float a = G * 0.008;
        vec2 red = tc + vec2(a, 0.0), green = tc, blue = tc - vec2(a, 0.0);
        float h = rand(vec2(floor(tc.y * 60.0), floor(T * 8.0)));
        if (h >= 0.97 - G * 0.12) {
            float shift = (rand(vec2(tc.y * 7.0, T * 3.0)) - 0.5) * G * 0.12;
            red = green = blue = tc + vec2(shift, 0.0);
        }
        color = vec3(readInput(red).r, readInput(green).g, readInput(blue).b);
    } else {
        color = readInput(tc).rgb;
    }

    if (COLOR_MODE == 1) {
        float l = dot(color, vec3(0.299, 0.587, 0.114));
        l = pow(l, 0.65);
        color = vec3(l * 0.12, l * 1.15, l * 0.12);
        float p = rand(tc * 400.0 + T) * 0.04;
        color += vec3(p * 0.3, p, p * 0.3);
    } else if (COLOR_MODE == 2) {
        float l = dot(color, vec3(0.299, 0.587, 0.114));
        color = thermalMap(l);
    } else if (COLOR_MODE == 3) {
        color = 1.0 - color;
    }

    // Part of the glitch: above a tenth of it.
    if (GLITCH && G > 0.1) {
        float strength = (G - 0.1) * 0.5;
        // gl_FragCoord.y, the centre of the pixel's window row, exactly: the row is the
        // interpolated one rounded down. Software GL pays for gl_FragCoord in every pixel.
        float row = floor(windowRow) + 0.5;
        float s = mod(row + T * 20.0, 3.0);
        float darken = (s >= 1.5 ? 1.0 : 0.0) * strength * 0.35;
        color *= 1.0 - darken;
    }

    if (NOISE) {
        float n = rand(tc + vec2(T, T * 0.7));
        color += (n - 0.5) * N * 0.4;
    }

    // A horizontal band for every scan mode.
    if (SCAN_GLOW) {
        float d = abs(uv.y - ScanLinePos);
        float glow = exp(-d * 40.0) * ScanIntensity * 0.6;
        color += vec3(glow * 0.15, glow * 0.9, glow * 0.25);
    }

    if (GLITCH) {
        float strength = G * 0.4;
        vec2 c = uv * 2.0 - 1.0;
        float v = 1.0 - dot(c, c) * strength * 0.85;
        color *= max(v, 0.0);
    }

    fragColor = vec4(max(color, 0.0), 1.0);
}
)";

const char* const kLineVertexSource = R"(#version 410 core
layout(location = 0) in vec2 vPosition;
void main() {
    gl_Position = vec4(vPosition * 2.0 - 1.0, 0.0, 1.0);
}
)";

const char* const kLineFragmentSource = R"(#version 410 core
uniform vec4 Color;
out vec4 fragColor;
void main() {
    fragColor = Color;
}
)";

EffectShaderSources BuiltInShaderSources() {
    return {{kProcessingVertexSource, kProcessingFragmentSource},
            {kLineVertexSource, kLineFragmentSource},
            OverlayShaderSource()};
}
