#pragma once
// The high-resolution counter and the pauses the clone link makes on it.

namespace platform {

class HiResTimer {
public:
    // The counter in seconds, rounded to four decimals. Only differences mean
    // anything; the origin is the first use in the process.
    static double ElapsedSeconds();

    // Waits until strictly more than ms milliseconds have passed on the
    // counter, taking no window message meanwhile, then lets the event loop
    // run once. A negative pause returns at once (after that one turn).
    static void Delay(double ms);
};

} // namespace platform
