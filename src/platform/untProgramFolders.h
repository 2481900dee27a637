// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The program's own files (sounds, help pages, background pictures) by a path relative to the
// program's folder, which is two folders: the user's data folder first (files the user chooses
// are copied there), then the installed share/velmarnotes beside the executable's bin folder,
// which the build tree lays out the same way. A file in the data folder wins over an installed
// one of the same name.
namespace ProgramFolders {

// share/velmarnotes of the running executable, ending with '/'.
QString Installed();

// The data folder, then Installed().
QStringList SearchOrder();

// The first existing file of that relative path, or an empty string when neither folder has it.
QString Find(const QString& relativePath);

// The names (without folder) of the files matching a wildcard pattern such as "*.wav": the data
// folder's first, then the installed ones not already named, each folder's by name.
QStringList FileNames(const QString& pattern);

// Brings a chosen file into the data folder and answers its name there, or an empty string when
// it cannot. A file already there with the same content is used as it is, so choosing the same
// file twice copies it once; a different file of the same name is kept, and the copy takes the
// first free name "stem (2).ext", "stem (3).ext", ...
QString CopyIntoDataFolder(const QString& sourcePath);

} // namespace ProgramFolders
