#include "toolkit/LargeAllocations.h"

#include <cstdlib> // tells which C library this is

#ifdef __GLIBC__
#include <malloc.h>
#endif

void LargeAllocations::returnToSystemWhenFreed()
{
#ifdef __GLIBC__
    // A fixed threshold also stops glibc from raising it after each free.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
#endif
}
