#include "calltime/link_counters.h"

namespace {

// What a counter moved since the last sample. One that went back was
// started anew, and everything it holds came after.
std::uint64_t moved(std::uint64_t last, std::uint64_t now)
{
    return now >= last ? now - last : now;
}

} // namespace

void ByteCount::add(const LinkCounters &sample)
{
    if (m_last) {
        m_received += moved(m_last->received, sample.received);
        m_sent += moved(m_last->sent, sample.sent);
    }
    m_last = sample;
}
