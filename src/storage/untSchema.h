// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The four CREATE TABLE statements of a new Data.db, in the order they run.
QStringList SchemaStatements();

// Creates Data.db with its tables when the file is missing; an existing file is left unchanged.
// Answers true when it created the file.
bool CreateSchema();
