#pragma once

#include "Measurement.h"

#include <QList>
#include <QString>

class QTextStream;

// The benchmark's table: one row per action and frozen service, with the
// median and range of its runs beside the same action with nothing frozen.
class ResultTable
{
public:
    void add(const QString &action, Service frozen, int giveUpMs, const Outcome &frozenRun,
             const Outcome &normalRun);
    void print(QTextStream &out) const;

    // One run's figure as the table shows it.
    static QString figure(const Outcome &outcome, int giveUpMs);

private:
    struct Row
    {
        QString action;
        Service frozen;
        int giveUpMs;
        QList<Outcome> frozenRuns;
        QList<Outcome> normalRuns;
    };

    static QString summary(const QList<Outcome> &runs, int giveUpMs);
    static QString landed(const QList<Outcome> &runs);

    QList<Row> m_rows;
};
