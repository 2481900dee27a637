// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// LibreOffice as an independent reader: one headless run converts all `files` with the given
// arguments (such as "--convert-to html") into `folder`. It runs with a profile and a home of its
// own inside `work`, so that no other LibreOffice interferes. Answers what went wrong, or an
// empty text.
QString ConvertWithOffice(const QString& office, const QString& work, const QStringList& arguments,
                          const QString& folder, const QStringList& files);
