#pragma once

#include <QString>
#include <QStringList>

// "The program's folder" of sounds and background pictures is two folders: the user's data
// folder, which takes the files the user chooses, and the installed share/velmarnotes beside the
// executable's bin folder (the build tree has the same layout). The data folder comes first, so
// a file there wins over an installed one of the same name.
namespace ProgramFolders {

// share/velmarnotes of the running executable, ending with '/'.
QString Installed();

// The data folder, then Installed().
QStringList SearchOrder();

// The names (without folder) of the files matching a wildcard pattern such as "*.wav": the data
// folder's first, then the installed ones not already named, each folder's by name.
QStringList FileNames(const QString& pattern);

// Brings a chosen file into the data folder and answers its name there, or an empty string when
// it cannot. A file already there with the same content is used as it is, so choosing the same
// file twice copies it once; a different file of the same name is kept, and the copy takes the
// first free name "stem (2).ext", "stem (3).ext", ...
QString CopyIntoDataFolder(const QString& sourcePath);

} // namespace ProgramFolders
