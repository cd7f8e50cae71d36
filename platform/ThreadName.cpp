#include "platform/ThreadName.h"

#ifdef _WIN32

void NameCurrentThread(const char*) {}

#else
#include <pthread.h>

void NameCurrentThread(const char* name) { pthread_setname_np(pthread_self(), name); }

#endif
