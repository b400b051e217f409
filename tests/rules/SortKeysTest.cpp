// The ordering behind Sort and the duplicate check, over texts alone.

#include "rules/SortKeys.h"

#include <gtest/gtest.h>

using sortkeys::DupRow;
using sortkeys::Key;

TEST(SortKeys, FrequenciesArePaddedToThreeIntegerDigits) {
    const char* cases[][3] = {{"50.000", ".", "050.000"}, {"145.500", ".", "145.500"},
                              {"5", ".", "005"},          {"", ".", "000.000"},
                              {"1000.5", ".", "1000.5"},  {"50,000", ",", "050,000"},
                              {"", ",", "000,000"},       {"50.000", ",", "50.000"}};
    for (const auto& c : cases)
        EXPECT_EQ(sortkeys::PaddedFrequency(c[0], c[1]), QLatin1String(c[2])) << c[0] << c[1];
}

// Text first, without regard to case; the row number only between equal
// texts, and then as text.
TEST(SortKeys, KeysGoByTextIgnoringCaseThenByRowAsText) {
    const Key ordered[][2] = {{{"RPT", 2}, {"RPT2", 1}},       {{"145", 9}, {"145.500", 1}},
                              {{"SAME", 10}, {"SAME", 9}},     {{"SAME", 100}, {"SAME", 11}},
                              {{"alpha", 7}, {"BRAVO", 1}},    {{"ALPHA", 3}, {"alpha", 5}},
                              {{"alpha", 3}, {"ALPHA", 5}},    {{"A|B", 9}, {"A|C", 1}},
                              {{"099.000", 4}, {"145.000", 2}}};
    for (const auto& pair : ordered) {
        EXPECT_TRUE(sortkeys::KeyLess(pair[0], pair[1])) << pair[0].text.toStdString();
        EXPECT_FALSE(sortkeys::KeyLess(pair[1], pair[0])) << pair[1].text.toStdString();
    }
}

// Rows "row rx name encode". Only neighbours are compared; a pair an option
// excludes leaves the line open.
TEST(SortKeys, DuplicatesOfNeighboursWithTheOptions) {
    struct Case {
        QStringList rows;
        bool tones, names;
        QStringList report;
        std::vector<int> deleted;
    };
    const Case cases[] = {
        {{"1 145 A OFF", "2 145 A OFF", "3 145 B OFF", "4 145 B OFF"},
         false,
         true,
         {"Duplicates: 1, 2, 4"},
         {2, 4}},
        {{"1 145 A OFF", "2 145 A OFF", "3 145 B OFF", "4 145 B OFF"},
         false,
         false,
         {"Duplicates: 1, 2, 3, 4"},
         {2, 3, 4}},
        {{"1 145 A 88.5", "2 145 A 67.0"}, true, false, {}, {}},
        {{"1 145 A 88.5", "2 145 B 67.0"}, false, false, {"Duplicates: 1, 2"}, {2}},
        {{"1 145 abc OFF", "2 145 ABC OFF"}, false, true, {}, {}},
        {{"1 145.5 A OFF", "2 145.500 A OFF"}, false, false, {}, {}},
        {{"9 145 A OFF", "10 145 A OFF", "12 146 A OFF", "3 146 A OFF", "7 147 A OFF"},
         false,
         false,
         {"Duplicates: 10, 9", "Duplicates: 12, 3"},
         {3, 9}},
    };
    for (const Case& c : cases) {
        std::vector<DupRow> rows;
        for (const QString& line : c.rows) {
            const QStringList f = line.split(' ');
            rows.push_back({f[0].toInt(), f[1], f[2], "OFF", f[3]});
        }
        sortkeys::DupOptions options{c.tones, c.names, false};
        EXPECT_EQ(sortkeys::FindDuplicates(rows, options, ".").reportLines, c.report)
            << c.rows.join(',').toStdString();
        options.deleteDuplicates = true;
        EXPECT_EQ(sortkeys::FindDuplicates(rows, options, ".").rowsToDelete, c.deleted)
            << c.rows.join(',').toStdString();
    }
}
