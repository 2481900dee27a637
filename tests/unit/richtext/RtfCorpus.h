// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTest>

// The public RTF samples: an extra oracle that lives outside the repository, in the folder that
// the environment variable VELMAR_RTF_CORPUS names. Tests that read them skip when the variable
// is unset and fail when it names a folder that is not there.
namespace RtfCorpus {
QString Folder();    // empty when VELMAR_RTF_CORPUS is unset
QStringList Files(); // absolute paths of its *.rtf files, sorted
QString Path(const QString& name);
QByteArray Read(const QString& name); // empty when the file cannot be read
} // namespace RtfCorpus

// For the start of a test function (or initTestCase) that reads the public samples.
#define REQUIRE_RTF_CORPUS()                                                                       \
    do {                                                                                           \
        if (RtfCorpus::Folder().isEmpty())                                                         \
            QSKIP("VELMAR_RTF_CORPUS is not set: the public RTF samples are not checked");         \
        QVERIFY2(QFileInfo(RtfCorpus::Folder()).isDir(),                                           \
                 qPrintable("VELMAR_RTF_CORPUS names no folder: " + RtfCorpus::Folder()));         \
        QVERIFY2(RtfCorpus::Files().size() >= 39,                                                  \
                 qPrintable("the public RTF samples are missing in " + RtfCorpus::Folder()));      \
    } while (false)
