// The built-in input picture: colour bars, a hue sweep, red/green/blue ramps, a grey
// ramp and sharp edges, so that every colour mode and every distortion shows.
#pragma once

#include "tools/hostcli/Picture.h"

// Layout, top to bottom: bars (55% of the height), hue sweep (15%), red, green and blue
// ramps (15%), grey ramp smooth over stepped (15%). A two-pixel white-on-black frame runs
// round the edge and a white circle sits in the middle.
Picture MakeTestCard(int width, int height);
