#pragma once
// Failures that the player does not handle where they happen. They travel up to
// the one handler in src/app, which shows an error report and ends the program
// with exit code 1. Nothing is thrown across Qt or libmpv callbacks: the event
// dispatch in src/app catches them first.
#include <QString>
#include <stdexcept>

namespace ui {

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString& what) : std::runtime_error(what.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// A 16-bit (or 32-bit) integer would not hold the value.
class OverflowError : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// Text that is no number, where a number is needed.
class TypeMismatchError : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// A file that is missing or cannot be read or decoded.
class FileError : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// A media framework call that failed; carries the cause.
class MediaError : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

}  // namespace ui
