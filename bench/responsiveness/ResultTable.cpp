#include "ResultTable.h"

#include <QTextStream>

#include <algorithm>
#include <limits>

namespace {

constexpr double kGivenUp = std::numeric_limits<double>::infinity();

QString duration(double ms, int giveUpMs)
{
    if (ms == kGivenUp)
        return QStringLiteral(">%1 s (given up)").arg(giveUpMs / 1000);
    if (ms < 10)
        return QStringLiteral("%1 ms").arg(ms, 0, 'f', 1);
    if (ms < 1000)
        return QStringLiteral("%1 ms").arg(qRound(ms));
    return QStringLiteral("%1 s").arg(ms / 1000, 0, 'f', ms < 10000 ? 2 : 1);
}

} // namespace

void ResultTable::add(const QString &action, Service frozen, int giveUpMs, const Outcome &frozenRun,
                      const Outcome &normalRun)
{
    auto row = std::find_if(m_rows.begin(), m_rows.end(),
                            [&](const Row &r) { return r.action == action && r.frozen == frozen; });
    if (row == m_rows.end())
        row = m_rows.insert(m_rows.end(), Row{action, frozen, giveUpMs, {}, {}});
    row->frozenRuns.append(frozenRun);
    row->normalRuns.append(normalRun);
}

void ResultTable::print(QTextStream &out) const
{
    out << "| action | service frozen | longest stall: median (range) | nothing frozen | change landed |\n"
        << "|---|---|---|---|---|\n";
    for (const Row &row : m_rows)
        out << "| " << row.action << " | " << describe(row.frozen) << " | "
            << summary(row.frozenRuns, row.giveUpMs) << " | " << summary(row.normalRuns, row.giveUpMs)
            << " | " << landed(row.frozenRuns) << " |\n";
}

QString ResultTable::figure(const Outcome &outcome, int giveUpMs)
{
    if (!outcome.ms && !outcome.givenUp)
        return QStringLiteral("—");
    return duration(outcome.ms.value_or(kGivenUp), giveUpMs);
}

QString ResultTable::summary(const QList<Outcome> &runs, int giveUpMs)
{
    QList<double> values;
    for (const Outcome &run : runs) {
        if (run.ms || run.givenUp)
            values.append(run.ms.value_or(kGivenUp));
    }
    std::sort(values.begin(), values.end());
    const int n = values.size();
    if (n == 0)
        return QStringLiteral("—");
    const double median = n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
    if (n == 1 || values.first() == values.last())
        return duration(median, giveUpMs);
    return QStringLiteral("%1 (%2 – %3)")
        .arg(duration(median, giveUpMs), duration(values.first(), giveUpMs),
             duration(values.last(), giveUpMs));
}

QString ResultTable::landed(const QList<Outcome> &runs)
{
    int changes = 0;
    int arrived = 0;
    for (const Outcome &run : runs) {
        if (run.landed) {
            ++changes;
            arrived += *run.landed ? 1 : 0;
        }
    }
    if (changes == 0)
        return QStringLiteral("—");
    if (arrived == changes)
        return QStringLiteral("yes");
    if (arrived == 0)
        return QStringLiteral("no");
    return QStringLiteral("%1 of %2").arg(arrived).arg(changes);
}
