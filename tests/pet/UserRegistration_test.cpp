// The registration form: what it shows of the user record and what registering writes.

#include <gtest/gtest.h>

#include "formats/PetConfig.h"
#include "pet/UserRegistration.h"

namespace nuv {
namespace {

const CalendarDate kToday{2026, 12, 6};
using Fields = std::vector<std::string>;

// Name, sex, birth date, login ID, password and e-mail of the record.
Fields Written(const UserInfo& u) {
    return {u.UserName, u.UserSex, u.UserBirthDate, u.UserLoginID, u.UserLoginPasswd, u.Useremail};
}

TEST(UserRegistrationTest, SexShowsFemaleOnlyForFMaleInAnyCase) {
    for (const char* sex : {"FMale", "FMALE", "fmale", "fMaLe"})
        EXPECT_TRUE(IsFemale(sex)) << sex;
    for (const char* sex : {"Male", "", "Female", "F", "fmale "})
        EXPECT_FALSE(IsFemale(sex)) << sex;
}

TEST(UserRegistrationTest, BirthDatesReadAsCalendarDatesOrNothing) {
    EXPECT_EQ(ParseBirthDate("19990731"), (CalendarDate{1999, 7, 31}));
    EXPECT_EQ(ParseBirthDate("20000229"), (CalendarDate{2000, 2, 29}));
    // Empty, cut short, impossible days and months, and years the picker cannot hold.
    for (const char* text : {"", "1999", "199907", "19990732", "19991301", "19990001", "19000229",
                             "20010229", "15991231", "abcdefgh"}) {
        EXPECT_FALSE(ParseBirthDate(text).has_value()) << text;
    }
    EXPECT_EQ(FormatBirthDate({1999, 7, 31}), "19990731");
    EXPECT_EQ(FormatBirthDate({2026, 1, 5}), "20260105");
}

TEST(UserRegistrationTest, FormShowsTheRecordAndTodayForAMissingBirthDate) {
    UserInfo user{"홍길동", "FMale", "19990731", "id", "pw", "a@b.c", "", ""};
    RegistrationForm form = FormOf(user, kToday);
    EXPECT_TRUE(form.female);
    EXPECT_EQ(form.birth, (CalendarDate{1999, 7, 31}));
    EXPECT_EQ((Fields{form.name, form.loginId, form.password, form.email}),
              (Fields{"홍길동", "id", "pw", "a@b.c"}));

    user.UserBirthDate = "";
    EXPECT_EQ(FormOf(user, kToday).birth, kToday);
    user.UserBirthDate = "19990732";
    EXPECT_EQ(FormOf(user, kToday).birth, kToday);
}

TEST(UserRegistrationTest, RegisteringWritesTheRecordAndNeedsNameLoginAndPassword) {
    RegistrationForm form{"홍길동", false, {1999, 7, 31}, "nuvpet", "secret", ""};
    UserInfo user;
    EXPECT_TRUE(ApplyRegistration(form, user));
    EXPECT_EQ(Written(user), (Fields{"홍길동", "Male", "19990731", "nuvpet", "secret", ""}));

    // An empty password refuses, but what was typed is kept in the record.
    form.female = true;
    form.password = "";
    form.name = "김철수";
    EXPECT_FALSE(ApplyRegistration(form, user));
    EXPECT_EQ(Written(user), (Fields{"김철수", "FMale", "19990731", "nuvpet", "", ""}));
    form.password = "pw";
    for (std::string RegistrationForm::*field :
         {&RegistrationForm::name, &RegistrationForm::loginId}) {
        RegistrationForm missing = form;
        missing.*field = "";
        EXPECT_FALSE(ApplyRegistration(missing, user));
    }
}

TEST(UserRegistrationTest, FieldsAreCutToTheirBytesWithoutSplittingHangul) {
    RegistrationForm form{"가나다라마바사아자차", false,
                          {2000, 1, 1},           std::string(30, 'i'),
                          std::string(19, 'p'),   std::string(40, 'e')};  // a name of 20 bytes
    UserInfo user;
    EXPECT_TRUE(ApplyRegistration(form, user));
    // The name keeps 18 bytes: nine syllables.
    EXPECT_EQ(Written(user), (Fields{"가나다라마바사아자", "Male", "20000101", std::string(18, 'i'),
                                     std::string(18, 'p'), std::string(28, 'e')}));

    form.name = "a가나다라마바사아자";  // a cut at 18 bytes would split the ninth syllable
    ApplyRegistration(form, user);
    EXPECT_EQ(user.UserName, "a가나다라마바사아");
}

// A ';' would end the saved value early: it never reaches the record, whoever let it through.
TEST(UserRegistrationTest, FieldSeparatorsNeverReachTheRecord) {
    // The password is cut after the removal.
    RegistrationForm form{"a;b", false, {2000, 1, 1}, ";id;", "p;" + std::string(18, 'p'), "e;@x"};
    UserInfo user;
    EXPECT_TRUE(ApplyRegistration(form, user));
    EXPECT_EQ(Written(user), (Fields{"ab", "Male", "20000101", "id", std::string(18, 'p'), "e@x"}));

    user.UserSex = "Ma;le";
    user.UserBirthDate = "2000;0101";
    RemoveFieldSeparators(user);
    EXPECT_EQ(user.UserSex, "Male");
    EXPECT_EQ(user.UserBirthDate, "20000101");
}

}  // namespace
}  // namespace nuv
