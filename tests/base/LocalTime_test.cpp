#include "base/LocalTime.h"

#include <gtest/gtest.h>

#include <tuple>

namespace nuv {
namespace {

// Leap days of the century rules, the last day of a 400-year cycle and dates before 1970.
TEST(LocalTime, DaysAndDatesRoundTrip) {
    struct Case {
        int year, month, day;
        int64_t days;
    };
    for (const Case& c : {Case{1970, 1, 1, 0}, Case{1969, 12, 31, -1}, Case{2000, 2, 29, 11016},
                          Case{2000, 3, 1, 11017}, Case{1900, 3, 1, -25508},
                          Case{2100, 2, 28, 47540}, Case{1600, 2, 29, -135081}}) {
        EXPECT_EQ(DaysFromCivil(c.year, c.month, c.day), c.days) << c.year << "-" << c.month;
        LocalTime t = CivilFromSeconds(c.days * 86400 + 3723);
        EXPECT_EQ(std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second),
                  std::make_tuple(c.year, c.month, c.day, 1, 2, 3))
            << c.days;
        EXPECT_EQ(SecondsFromCivil(t), c.days * 86400 + 3723);
    }
}

}  // namespace
}  // namespace nuv
