#pragma once

#include <QString>

#include <exception>

// A failing statement throws this; the error scope of the procedure catches it
// and hands it to the error reporter.
class RunTimeError : public std::exception
{
public:
    enum Number
    {
        InvalidProcedureCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        BadFileNameOrNumber = 52,
        FileNotFound = 53,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
        ResourceNotFound = 326,
        ControlArrayElementMissing = 340,
    };

    RunTimeError(int number, QString description, int line = 0);
    explicit RunTimeError(Number number, int line = 0);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    int line() const { return line_; }
    const char* what() const noexcept override;

    static QString standardDescription(int number);

private:
    int number_;
    QString description_;
    int line_;
    QByteArray what_;
};

// 16-bit values: counts, indexes and most numbers of the game are 16-bit, and
// leaving that range is an Overflow error.
qint16 toInt16(qint64 value);
// The nearest 16-bit value, for a number that is only stored, where leaving the
// range is no error.
qint16 clampToInt16(qint64 value);
