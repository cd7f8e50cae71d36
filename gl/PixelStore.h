// The pixel-store state an upload relies on. Hosts may leave anything behind (a row
// length of their own, a bound pixel-unpack buffer), and glTexImage2D reads all of it.
#pragma once

// Sets every unpack parameter to GL's default (alignment 4, no row length, no skips, no
// byte swapping) and unbinds the pixel-unpack buffer. The defaults are also what every
// upload of ours wants, so they stay set afterwards.
void ResetUnpackState();
