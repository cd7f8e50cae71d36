// Names for the plug-in's own threads, so that a profiler or a system monitor can tell
// them apart from the host's.
#pragma once

// Names the calling thread (at most 15 characters) where the system keeps thread names.
void NameCurrentThread(const char* name);
