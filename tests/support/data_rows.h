#pragma once

#include <QTest>

// Adds a row to a data-driven test's table, one row to a line: addRow("name", column1, column2, ...).
template <typename... Values> void addRow(const char* name, const Values&... values)
{
    (QTest::newRow(name) << ... << values);
}
