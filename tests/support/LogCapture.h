#pragma once

#include <QStringList>

// Keeps every message the process logs while it exists, with the given
// logging rules in force (e.g. "vh.*.debug=true"), to check what a run
// logged; the previous handler and rules come back when it goes.
class LogCapture
{
public:
    explicit LogCapture(const QString &filterRules);
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    QStringList messages() const;
};
