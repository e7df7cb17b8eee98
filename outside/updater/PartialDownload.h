#pragma once

#include <QString>

// The files an image is downloaded into ("<image>.part"): made readable by
// their owner only, never through a link, and locked (flock) for as long as
// their download lives, so that what a killed download left behind can be
// told from a download under way and removed.
namespace PartialDownload {

inline QString pathFor(const QString &imagePath)
{
    return imagePath + QStringLiteral(".part");
}

// A new, locked part file open for writing, or -1 with `problem` set.
int create(const QString &path, QString *problem);

// Removes the part files in `directory` that no live download holds.
void removeStale(const QString &directory);

// Bytes still free for us on the file system that holds `fd`; -1 when
// unknown.
qint64 freeSpace(int fd);

} // namespace PartialDownload
