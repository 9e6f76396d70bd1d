#pragma once

// What the benchmarks share: the process's memory as the kernel reports it, and the
// table each prints, one row per measurement with its median beside its budget.

#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace fc::bench {

// A memory figure of this process from /proc/self/status ("VmHWM", "VmRSS"), in KiB;
// -1 where there is none.
inline qint64 memoryKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

struct Row {
    QString what;
    double value;
    QString unit;
    QString budget;  // empty: reported only
    bool pass = true;
};

// Prints the rows as a Markdown table; true when every budget is met.
inline bool printRows(const std::vector<Row> &rows)
{
    bool allPass = true;
    int width = 0;
    for (const Row &r : rows)
        width = std::max(width, int(r.what.size()));
    std::printf("| %-*s | %10s | %-10s | %-6s |\n", width, "Measurement (median)", "Value",
                "Budget", "Result");
    std::printf("|-%s-|-%s-|-%s-|-%s-|\n", QByteArray(width, '-').constData(),
                QByteArray(10, '-').constData(), QByteArray(10, '-').constData(),
                QByteArray(6, '-').constData());
    for (const Row &r : rows) {
        const QString value = QStringLiteral("%1 %2").arg(r.value, 0, 'f', 2).arg(r.unit);
        const char *result = r.budget.isEmpty() ? "" : (r.pass ? "PASS" : "FAIL");
        std::printf("| %-*s | %10s | %-10s | %-6s |\n", width, qPrintable(r.what),
                    qPrintable(value), qPrintable(r.budget), result);
        allPass = allPass && r.pass;
    }
    return allPass;
}

}  // namespace fc::bench
