#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace FontConfigWarmUp {

namespace {

std::thread &reader()
{
    static std::thread thread;
    return thread;
}

} // namespace

void start()
{
    if (!reader().joinable())
        reader() = std::thread([] { FcInit(); });
}

void finish()
{
    // A second reader started by Qt meanwhile would read it all again.
    if (reader().joinable())
        reader().join();
}

} // namespace FontConfigWarmUp
