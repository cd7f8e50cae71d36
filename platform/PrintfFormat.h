// Compile-time checking of our own printf-style helpers against their arguments.
#pragma once

// The Windows build prints through mingw's C99 printf (so "%zu" works as on Linux), which
// its compiler checks under the GNU archetype; plain "printf" would mean msvcrt's rules.
#if defined(__MINGW32__)
#define VIGIL_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(gnu_printf, formatIndex, firstArgument)))
#else
#define VIGIL_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#endif
