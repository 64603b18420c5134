#include "platform/window/Cp932Validator.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Cp932Validator, RefusesCharactersWithoutACodePage932FormAndTextOverTheByteLimit)
{
    struct Case {
        int limit;
        QString text;
        QValidator::State expected;
    } const cases[] = {
        {0, QStringLiteral("検索abc"), QValidator::Acceptable},
        {0, QStringLiteral("😀"), QValidator::Invalid},
        {0, QStringLiteral("𠮷"), QValidator::Invalid},
        {0, QStringLiteral("a\uFFFDb"), QValidator::Acceptable},
        {1, QStringLiteral(","), QValidator::Acceptable},
        {1, QStringLiteral(",;"), QValidator::Invalid},
        {1, QStringLiteral("あ"), QValidator::Invalid},
        {2, QStringLiteral("あ"), QValidator::Acceptable},
        {1, QString(), QValidator::Acceptable},
    };
    for (const auto& c : cases) {
        platform::Cp932Validator validator(c.limit);
        QString text = c.text;
        int pos = 0;
        EXPECT_EQ(validator.validate(text, pos), c.expected) << c.text.toStdString() << " limit " << c.limit;
    }
}

TEST(Cp932Validator, StopsTypingAtTheByteLimit)
{
    QLineEdit edit;
    edit.setValidator(new platform::Cp932Validator(1, &edit));
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    EXPECT_EQ(edit.text(), QStringLiteral("a"));
}

}  // namespace
