#pragma once

// How urgent a message to the desktop is. The values are those of the
// desktop notifications' "urgency" hint.
enum class Urgency : unsigned char { Low = 0, Normal = 1, Critical = 2 };
