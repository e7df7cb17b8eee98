#pragma once

// Reading the font configuration and the font caches is the largest single
// cost before the window's first frame, and nothing needs fonts until the
// window's document is loaded: the window starts the reading in the
// background first thing and waits for it before loading the document.
namespace FontConfigWarmUp {

void start();
// Returns at once when the reading was not started or has finished.
void finish();

} // namespace FontConfigWarmUp
