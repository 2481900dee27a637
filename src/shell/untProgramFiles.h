// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's own files (help pages, sounds) by a path relative to its folder. A copy in the
// user's data folder wins; otherwise the installed one in share/velmarnotes beside the
// executable's bin folder (the build tree has the same layout). Answers an empty string when
// neither exists.
QString ProgramFilePath(const QString& relativePath);

// share/velmarnotes of the running executable, ending with '/'.
QString InstalledProgramFolder();
