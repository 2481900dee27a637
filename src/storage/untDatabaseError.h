// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

// A query that failed: carries SQLite's error text to the default error handler.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
