#pragma once
// Keeps out of an edit what the program could not take: characters that have
// no code page 932 form, and more bytes than the edit's limit. U+FFFD is let
// through, since it stands for bytes the program itself put there and that
// read back unchanged.

#include <QValidator>

namespace platform {

class Cp932Validator : public QValidator {
public:
    // byteLimit 0 means no limit.
    explicit Cp932Validator(int byteLimit, QObject* parent = nullptr);

    int ByteLimit() const { return m_byteLimit; }
    void SetByteLimit(int byteLimit) { m_byteLimit = byteLimit; }

    State validate(QString& input, int& pos) const override;

private:
    int m_byteLimit;
};

}  // namespace platform
