#pragma once

// A scan of a large log or side record reads each byte once, so it waits on
// memory more than it works, and the processor's own prefetching falls well
// behind it: the scans ask for the text a little ahead of where they read.

#include <QtGlobal>

// Asks for the memory ahead places on from at, when that is before end.
template <typename Char> inline void readAhead(const Char *at, const Char *end, qsizetype ahead)
{
#if defined(__GNUC__) || defined(__clang__)
    if (end - at > ahead)
        __builtin_prefetch(at + ahead);
#else
    Q_UNUSED(at);
    Q_UNUSED(end);
    Q_UNUSED(ahead);
#endif
}
