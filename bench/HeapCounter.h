#pragma once

// The heap bytes a benchmark program holds through operator new, and their
// peak: HeapCounter.cpp, linked into the program, replaces operator new and
// delete with versions that count what malloc gives.

// The bytes in use now.
long long HeapBytesInUse();
// The most in use since the last ResetHeapPeak.
long long HeapPeakBytes();
// Starts a new peak from the bytes in use now, and returns them.
long long ResetHeapPeak();
