// Marks a function as exported from the shared library with C linkage and an
// undecorated name.
#pragma once

#if defined(_WIN32)
#define TEVO_EXPORT extern "C" __declspec(dllexport)
#else
#define TEVO_EXPORT extern "C" __attribute__((visibility("default")))
#endif
