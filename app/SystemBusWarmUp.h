#pragma once

// Connecting to the system bus takes round trips to the bus that the settings
// object's constructor would wait for. The window connects in the background
// first thing; Qt keeps the connection for the constructor to find. (Qt does
// not keep the utility daemon's interface description: its "local." name is
// never cached.)
namespace SystemBusWarmUp {

void start();
// Returns at once when the warm-up was not started or has finished.
void finish();

} // namespace SystemBusWarmUp
