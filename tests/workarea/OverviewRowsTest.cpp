#include <gtest/gtest.h>

#include "core/catalogue/OverviewRows.h"

TEST(OverviewRows, RowsCoverSpecificationNumbersOneToFortyTwoInOrder)
{
    int next = 1;
    for (int category = 0; category < 3; ++category) {
        for (const OverviewRows::Row &row : OverviewRows::rows(category)) {
            EXPECT_EQ(row.firstNumber, next);
            EXPECT_EQ(row.count, std::max<int>(int(row.specification.size()), 1));
            next += row.count;
        }
    }
    EXPECT_EQ(next, 43);
    EXPECT_TRUE(OverviewRows::rows(3).isEmpty());
    EXPECT_EQ(OverviewRows::heading(1), QString::fromUtf8("Physical Safeguards§164.310"));
}

TEST(OverviewRows, RowTextJoinsCellsByTabAndLinesByCrLfWithUntrimmedStatuses)
{
    StatusTable statuses;
    statuses[41] = QStringLiteral(" ");
    statuses[42] = QStringLiteral("Review");
    const OverviewRows::Row &row = OverviewRows::rows(2).last();
    EXPECT_EQ(OverviewRows::text(row, statuses),
              "Transmission Security\t164.312(e)(1)\tIntegrity Controls\r\nEncryption\tA\r\nA\t \r\nReview");
    const OverviewRows::Row &evaluation = OverviewRows::rows(0)[7];
    EXPECT_EQ(OverviewRows::cells(evaluation, statuses)[2], " ");
}
