#pragma once

#include <QString>

// Creates (or empties) the file at `path` and dates its last change
// `ageSecs` seconds back, as a crashed writer would have left it.
bool writeAgedFile(const QString &path, int ageSecs);
