#pragma once

// Sends Qt's debug messages to standard error with time, level and category.
void setupLogger();
