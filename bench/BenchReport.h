#pragma once

// The table every benchmark prints: one row per measurement, its median beside its
// budget.

#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace fc::bench {

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
