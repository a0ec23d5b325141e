// SPDX-License-Identifier: GPL-3.0-or-later
// Errors raised by the table store and the shared operations. Each carries the text the
// screens show the user (Japanese, without source locations).
#pragma once

#include <QString>
#include <stdexcept>

namespace k9 {

// Base of every failure the program reports to the user. what() gives UTF-8.
class K9Error : public std::runtime_error {
public:
    explicit K9Error(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// A statement failed in SQLite, or a table or column is missing.
class StoreError : public K9Error {
public:
    using K9Error::K9Error;
};

// A write was refused because the user logged in with the view-only password.
class ViewOnlyError : public StoreError {
public:
    using StoreError::StoreError;
};

// Text that the CP932 code page cannot carry.
class EncodingError : public K9Error {
public:
    using K9Error::K9Error;
};

// A value in a file or field does not convert to its column's type.
class ConversionError : public K9Error {
public:
    using K9Error::K9Error;
};

} // namespace k9
