#pragma once

namespace ulvanta {

// With ULVANTA_STARTUP_PROBE set, the program prints "painted SECONDS" (the
// monotonic clock) once a window has first painted, then ends: start-up can
// then be timed from outside, the same way for any program. Call after the
// application object exists.
void installStartupProbe();

} // namespace ulvanta
