#include "support/fake_clock.h"
