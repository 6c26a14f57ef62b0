#pragma once
// The user registration form: what its fields show of the stored user record and what the
// record becomes when the user registers.

#include <cstddef>
#include <optional>
#include <string>

namespace nuv {

struct UserInfo;

struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    bool operator==(const CalendarDate& o) const {
        return year == o.year && month == o.month && day == o.day;
    }
};

// What the form's fields hold (texts in code page 949).
struct RegistrationForm {
    std::string name;
    bool female = false;
    CalendarDate birth;
    std::string loginId;
    std::string password;
    std::string email;
};

// Bytes a field of the form takes at most.
constexpr std::size_t kRegistrationFieldBytes = 18;  // name, login ID and password
constexpr std::size_t kRegistrationEmailBytes = 28;

extern const char kRegistrationIncomplete[];  // asks the user to fill in every field

// A stored UserBirthDate (year in characters 1 to 4, month 5 and 6, day 7 and 8): nothing
// when it is empty or not a date of the calendar.
std::optional<CalendarDate> ParseBirthDate(const std::string& text);
// YYYYMMDD, zero-padded.
std::string FormatBirthDate(const CalendarDate& date);
// True for "FMale" in any letter case.
bool IsFemale(const std::string& sex);

// The form as it opens for `user`; `today` when the stored birth date is none.
RegistrationForm FormOf(const UserInfo& user, const CalendarDate& today);
// Writes the form into `user` (each text without ';' and cut to its field) and tells whether the
// record is complete: name, login ID and password must not be empty. The record keeps the values
// also when it is incomplete.
bool ApplyRegistration(const RegistrationForm& form, UserInfo& user);
// Removes the field separator from the texts the form edits, whatever put it there: a saved
// line holds no ';' inside a value.
void RemoveFieldSeparators(UserInfo& user);

}  // namespace nuv
