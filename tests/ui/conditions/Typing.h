#pragma once
// Typing into a control as a user does: ASCII characters as key presses,
// Japanese text as the input method commits it.

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

namespace conditions_test {

inline void TypeText(QWidget* control, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(control, character.toLatin1());
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(character);
            QApplication::sendEvent(control, &commit);
        }
    }
}

}  // namespace conditions_test
