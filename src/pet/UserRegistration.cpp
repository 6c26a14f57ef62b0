#include "pet/UserRegistration.h"

#include "base/Cp949.h"
#include "base/Log.h"
#include "base/TextFunctions.h"
#include "formats/PetConfig.h"

namespace nuv {

const char kRegistrationIncomplete[] = "항목의 내용을 모두 채워주세요";

namespace {

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

int NumberAt(const std::string& text, std::size_t at, std::size_t length) {
    return at < text.size() ? TextToInt(text.substr(at, length)) : 0;
}

}  // namespace

std::optional<CalendarDate> ParseBirthDate(const std::string& text) {
    CalendarDate date{NumberAt(text, 0, 4), NumberAt(text, 4, 2), NumberAt(text, 6, 2)};
    // The date picker holds dates from 1601 on.
    if (date.year < 1601 || date.year > 9999 || date.month < 1 || date.month > 12) return {};
    if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return {};
    return date;
}

std::string FormatBirthDate(const CalendarDate& date) {
    return StrFormat("%04d%02d%02d", date.year, date.month, date.day);
}

bool IsFemale(const std::string& sex) {
    return cp949::ToLower(sex) == "fmale";
}

RegistrationForm FormOf(const UserInfo& user, const CalendarDate& today) {
    RegistrationForm form;
    form.name = user.UserName;
    form.female = IsFemale(user.UserSex);
    form.birth = ParseBirthDate(user.UserBirthDate).value_or(today);
    form.loginId = user.UserLoginID;
    form.password = user.UserLoginPasswd;
    form.email = user.Useremail;
    return form;
}

bool ApplyRegistration(const RegistrationForm& form, UserInfo& user) {
    auto field = [](const std::string& text, std::size_t bytes) {
        return cp949::CutBytes(WithoutFieldSeparators(text), bytes);
    };
    user.UserName = field(form.name, kRegistrationFieldBytes);
    user.UserSex = form.female ? "FMale" : "Male";
    user.UserBirthDate = FormatBirthDate(form.birth);
    user.UserLoginID = field(form.loginId, kRegistrationFieldBytes);
    user.UserLoginPasswd = field(form.password, kRegistrationFieldBytes);
    user.Useremail = field(form.email, kRegistrationEmailBytes);
    return !user.UserName.empty() && !user.UserLoginID.empty() && !user.UserLoginPasswd.empty();
}

void RemoveFieldSeparators(UserInfo& user) {
    for (std::string* text : {&user.UserName, &user.UserSex, &user.UserBirthDate, &user.UserLoginID,
                              &user.UserLoginPasswd, &user.Useremail}) {
        *text = WithoutFieldSeparators(*text);
    }
}

}  // namespace nuv
