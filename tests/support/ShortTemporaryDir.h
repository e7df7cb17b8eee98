#pragma once

#include <QTemporaryDir>

// A temporary folder right under /tmp for a fixture's unix sockets: a socket
// path holds at most 107 bytes, and TMPDIR may lie deep below a build folder.
class ShortTemporaryDir : public QTemporaryDir
{
public:
    ShortTemporaryDir()
        : QTemporaryDir(QStringLiteral("/tmp/vh-XXXXXX"))
    {
    }
};
