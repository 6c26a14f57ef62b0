#pragma once
// The local time of the calendar, and its conversion to seconds since 1970.

#include <cstdint>

namespace nuv {

struct LocalTime {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Days since 1970-01-01 of a civil date, and back.
int64_t DaysFromCivil(int year, int month, int day);
LocalTime CivilFromSeconds(int64_t seconds);
int64_t SecondsFromCivil(const LocalTime& time);

}  // namespace nuv
