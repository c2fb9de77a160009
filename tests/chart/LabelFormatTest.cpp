#include "ui/chart/LabelFormat.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {

using chart::FormatAxisLabel;
using chart::LabelFormat;

struct LabelCase {
    double value;
    const char* grouped;     // "#,##0.###"
    const char* twoDigit;    // "0.0E-00"
    const char* shortExp;    // "0.0E-0#"
};

const LabelCase kCases[] = {
    {250, "250", "2.5E02", "2.5E2"},
    {0.004, "0.004", "4.0E-03", "4.0E-3"},
    {1500, "1,500", "1.5E03", "1.5E3"},
    {0.0004, "0", "4.0E-04", "4.0E-4"},
    {0, "0", "0.0E00", "0.0E0"},
    {-0.0, "0", "0.0E00", "0.0E0"},
    {-123, "-123", "-1.2E02", "-1.2E2"},
    {123, "123", "1.2E02", "1.2E2"},
    {0.05, "0.05", "5.0E-02", "5.0E-2"},
    {2, "2", "2.0E00", "2.0E0"},
    {0.25, "0.25", "2.5E-01", "2.5E-1"},
    // Rounding that carries into the next place: the exponent grows, the integer part gains a digit.
    {9.96, "9.96", "1.0E01", "1.0E1"},
    {9.9996, "10", "1.0E01", "1.0E1"},
    {999.9996, "1,000", "1.0E03", "1.0E3"},
    {-0.0996, "-0.1", "-1.0E-01", "-1.0E-1"},
    // Halves round away from zero, on the decimal value a person reads, not on its binary neighbour.
    {1.25, "1.25", "1.3E00", "1.3E0"},
    {0.0025, "0.003", "2.5E-03", "2.5E-3"},
    {0.0005, "0.001", "5.0E-04", "5.0E-4"},
    {-0.0004, "0", "-4.0E-04", "-4.0E-4"},
    {-1500.5, "-1,500.5", "-1.5E03", "-1.5E3"},
    {1234567.891, "1,234,567.891", "1.2E06", "1.2E6"},
    {100000, "100,000", "1.0E05", "1.0E5"},
    {1e-10, "0", "1.0E-10", "1.0E-10"},
    {1.5e100, nullptr, "1.5E100", "1.5E100"},
    {0.1 + 0.2, "0.3", "3.0E-01", "3.0E-1"},
};

TEST(LabelFormat, WritesEachFormatInTheCLocale) {
    const QLocale c = QLocale::c();
    for (const LabelCase& row : kCases) {
        SCOPED_TRACE(row.value);
        if (row.grouped) {
            EXPECT_EQ(FormatAxisLabel(row.value, LabelFormat::GroupedThreeDecimals, c), row.grouped);
        }
        EXPECT_EQ(FormatAxisLabel(row.value, LabelFormat::ScientificTwoDigitExponent, c), row.twoDigit);
        EXPECT_EQ(FormatAxisLabel(row.value, LabelFormat::ScientificShortExponent, c), row.shortExp);
    }
}

TEST(LabelFormat, GroupsAHugeNumberByThrees) {
    const QString label = FormatAxisLabel(1.5e20, LabelFormat::GroupedThreeDecimals, QLocale::c());
    EXPECT_EQ(label, "150,000,000,000,000,000,000");
}

TEST(LabelFormat, TakesTheSeparatorsOfTheLocale) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FormatAxisLabel(1234567.25, LabelFormat::GroupedThreeDecimals, german), "1.234.567,25");
    EXPECT_EQ(FormatAxisLabel(250, LabelFormat::ScientificTwoDigitExponent, german), "2,5E02");
    EXPECT_EQ(FormatAxisLabel(0.004, LabelFormat::ScientificShortExponent, german), "4,0E-3");

    // A separator that is not one ASCII character: the Swiss group with a right single quotation mark.
    const QLocale swiss(QLocale::German, QLocale::Switzerland);
    EXPECT_EQ(FormatAxisLabel(1500.5, LabelFormat::GroupedThreeDecimals, swiss), QString::fromUtf8("1\u2019500.5"));
}

}  // namespace
