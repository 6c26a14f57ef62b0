// The registration form: what it shows of the user record and what registering writes.

#include <gtest/gtest.h>

#include "formats/PetConfig.h"
#include "pet/UserRegistration.h"

namespace nuv {
namespace {

const CalendarDate kToday{2026, 12, 6};

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
    UserInfo user;
    user.UserName = "홍길동";
    user.UserSex = "FMale";
    user.UserBirthDate = "19990731";
    user.UserLoginID = "id";
    user.UserLoginPasswd = "pw";
    user.Useremail = "a@b.c";
    RegistrationForm form = FormOf(user, kToday);
    EXPECT_EQ(form.name, "홍길동");
    EXPECT_TRUE(form.female);
    EXPECT_EQ(form.birth, (CalendarDate{1999, 7, 31}));
    EXPECT_EQ(form.loginId, "id");
    EXPECT_EQ(form.password, "pw");
    EXPECT_EQ(form.email, "a@b.c");

    user.UserBirthDate = "";
    EXPECT_EQ(FormOf(user, kToday).birth, kToday);
    user.UserBirthDate = "19990732";
    EXPECT_EQ(FormOf(user, kToday).birth, kToday);
}

TEST(UserRegistrationTest, RegisteringWritesTheRecordAndNeedsNameLoginAndPassword) {
    RegistrationForm form;
    form.name = "홍길동";
    form.female = false;
    form.birth = {1999, 7, 31};
    form.loginId = "nuvpet";
    form.password = "secret";
    form.email = "";
    UserInfo user;
    EXPECT_TRUE(ApplyRegistration(form, user));
    EXPECT_EQ(user.UserName, "홍길동");
    EXPECT_EQ(user.UserSex, "Male");
    EXPECT_EQ(user.UserBirthDate, "19990731");
    EXPECT_EQ(user.UserLoginID, "nuvpet");
    EXPECT_EQ(user.UserLoginPasswd, "secret");
    EXPECT_EQ(user.Useremail, "");

    // An empty password refuses, but what was typed is kept in the record.
    form.female = true;
    form.password = "";
    form.name = "김철수";
    EXPECT_FALSE(ApplyRegistration(form, user));
    EXPECT_EQ(user.UserName, "김철수");
    EXPECT_EQ(user.UserSex, "FMale");
    EXPECT_EQ(user.UserLoginPasswd, "");
    form.password = "pw";
    for (std::string RegistrationForm::*field :
         {&RegistrationForm::name, &RegistrationForm::loginId}) {
        RegistrationForm missing = form;
        missing.*field = "";
        EXPECT_FALSE(ApplyRegistration(missing, user));
    }
}

TEST(UserRegistrationTest, FieldsAreCutToTheirBytesWithoutSplittingHangul) {
    RegistrationForm form;
    form.name = "가나다라마바사아자차";  // 20 bytes
    form.loginId = std::string(30, 'i');
    form.password = std::string(19, 'p');
    form.email = std::string(40, 'e');
    form.birth = {2000, 1, 1};
    UserInfo user;
    EXPECT_TRUE(ApplyRegistration(form, user));
    EXPECT_EQ(user.UserName, "가나다라마바사아자");  // 18 bytes: nine syllables
    EXPECT_EQ(user.UserLoginID, std::string(18, 'i'));
    EXPECT_EQ(user.UserLoginPasswd, std::string(18, 'p'));
    EXPECT_EQ(user.Useremail, std::string(28, 'e'));

    form.name = "a가나다라마바사아자";  // a cut at 18 bytes would split the ninth syllable
    ApplyRegistration(form, user);
    EXPECT_EQ(user.UserName, "a가나다라마바사아");
}

// A ';' would end the saved value early: it never reaches the record, whoever let it through.
TEST(UserRegistrationTest, FieldSeparatorsNeverReachTheRecord) {
    RegistrationForm form;
    form.name = "a;b";
    form.loginId = ";id;";
    form.password = "p;" + std::string(18, 'p');  // cut after the removal
    form.email = "e;@x";
    UserInfo user;
    EXPECT_TRUE(ApplyRegistration(form, user));
    EXPECT_EQ(user.UserName, "ab");
    EXPECT_EQ(user.UserLoginID, "id");
    EXPECT_EQ(user.UserLoginPasswd, std::string(18, 'p'));
    EXPECT_EQ(user.Useremail, "e@x");

    user.UserSex = "Ma;le";
    user.UserBirthDate = "2000;0101";
    RemoveFieldSeparators(user);
    EXPECT_EQ(user.UserSex, "Male");
    EXPECT_EQ(user.UserBirthDate, "20000101");
}

}  // namespace
}  // namespace nuv
