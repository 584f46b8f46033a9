#include "csv/csv.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Csv, SeparatorFollowsTheDecimalSeparator) {
    EXPECT_EQ(csv::separatorFor(","), ';');
    EXPECT_EQ(csv::separatorFor("."), ',');
    EXPECT_EQ(csv::separatorFor("\u066B"), ',');  // Arabic, two bytes
}

// Quoted only where a field would break: under ';' a decimal comma stands bare, under ',' a
// semicolon does; a narrow no-break space, a group separator of three bytes, passes as it is.
TEST(Csv, QuotesWhatWouldBreakAField) {
    const std::vector<csv::Row> rows{{"L", "1,8 mH", "a;b", "R \"zice\"", "dva\nreda", "cr\r", "", "1\u202F234,5"}};
    EXPECT_EQ(csv::text(rows, ';'), "L;1,8 mH;\"a;b\";\"R \"\"zice\"\"\";\"dva\nreda\";\"cr\r\";;1\u202F234,5\r\n");
    EXPECT_EQ(csv::text(rows, ','), "L,\"1,8 mH\",a;b,\"R \"\"zice\"\"\",\"dva\nreda\",\"cr\r\",,\"1\u202F234,5\"\r\n");
}

// Every line ends in "\r\n", an empty row too; rows of any width, nothing for no rows.
TEST(Csv, LinesEndInCrLf) {
    const std::vector<csv::Row> rows{{"Kriva", "Deo"}, {}, {"bas"}};
    EXPECT_EQ(csv::text(rows, ';'), "Kriva;Deo\r\n\r\nbas\r\n");
    EXPECT_EQ(csv::text({}, ';'), "");
}

}  // namespace
