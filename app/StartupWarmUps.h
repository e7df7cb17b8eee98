#pragma once

#include <thread>

// A piece of start-up work that the window runs on a thread of its own first
// thing, and waits for where its result is needed.
class WarmUp
{
public:
    explicit WarmUp(void (*work)())
        : m_work(work)
    {
    }

    // Starts the work, unless it was started before.
    void start();
    // Returns at once when the work was not started or has finished.
    void finish();

private:
    void (*const m_work)();
    std::thread m_thread;
};

namespace StartupWarmUps {

// Reading the font configuration and the font caches is the largest single
// cost before the window's first frame, and nothing needs fonts until the
// window's document is loaded. A second reading started by Qt meanwhile would
// read it all again: the document is loaded after finish().
WarmUp &fontConfig();

// Connecting to the system bus takes round trips to the bus that the settings
// object's constructor would wait for; Qt keeps the connection for the
// constructor to find. (Qt does not keep the utility daemon's interface
// description: its "local." name is never cached.)
WarmUp &systemBus();

} // namespace StartupWarmUps
