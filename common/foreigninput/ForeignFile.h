#pragma once

#include <QByteArray>
#include <QString>

// Files that another program owns or that anyone could swap for something
// else: opened without blocking (a FIFO never stalls the reader), taken
// only when they are regular files, and read up to a bound, so that neither
// a device nor an endless file can eat the reader's memory.
namespace ForeignFile {

enum Check {
    AnyRegularFile = 0,
    // A symbolic link at the path is refused, not followed.
    NoSymlink = 1,
    // The file must belong to the user this process runs as.
    OwnedByUs = 2,
};

enum class Status {
    Read,
    // There is nothing at the path; `content` is empty.
    Missing,
    // A link, FIFO, device or directory, or another user's file, as
    // `checks` asked; nothing was read.
    Refused,
    // The file is larger than the bound; `content` holds its first
    // `limit` bytes.
    TooLarge,
    Unreadable,
};

struct Result
{
    Status status = Status::Unreadable;
    QByteArray content;
    // What went wrong, for the log; empty after Read and Missing.
    QString problem;
};

Result read(const QString &path, qint64 limit, int checks = AnyRegularFile);

// Whether the path, not followed if it is a link, is missing (Missing),
// acceptable (Read) or not (Refused, Unreadable): the check before a file
// is replaced by a rename.
Result inspect(const QString &path, int checks);

} // namespace ForeignFile
