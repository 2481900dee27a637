// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The open-file dialog of the program's windows, with the test seam that lets a modal flow run
// without a person: a test names the file the next dialog "chooses".
namespace FileChooser {

// Asks for one existing file; answers its path, or an empty string when the user cancels.
// filter is in the dialog's own syntax, e.g. "wav file (*.wav)".
QString ChooseOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter);

// Asks for a file to write, proposing `fileName`; a name typed without an extension gets
// `defaultSuffix`. Answers the path, or an empty string when the user cancels.
QString ChooseSaveFile(QWidget* parent, const QString& caption, const QString& fileName,
                       const QString& filter, const QString& defaultSuffix);
// The next ChooseOpenFile or ChooseSaveFile answers `path` at once (an empty path: as if
// cancelled), once.
void SetNextChosenFileForTest(const QString& path);

} // namespace FileChooser
