#pragma once
// Live and peak heap bytes of the whole program, counted by its replaced operator new and delete.

long long LiveHeapBytes();
long long PeakHeapBytes();
// The peak starts again from what is live now.
void ResetPeakHeap();
