// SPDX-License-Identifier: GPL-3.0-or-later
#include "untSchema.h"

#include "untDB.h"
#include "untPaths.h"
#include "untStorageLog.h"

#include <QFileInfo>

QStringList SchemaStatements() {
    return {
        QStringLiteral(
            "CREATE TABLE [Note] ([Id] integer PRIMARY KEY AUTOINCREMENT NOT NULL,[ParentId] "
            "INTEGER NOT NULL,[Position] VARCHAR(20) NOT NULL,[Content] TEXT,[Rtf] TEXT,[Color] "
            "INTEGER NOT NULL,[Type] INTEGER NOT NULL,[Type2] INTEGER NOT NULL,[Type3] INTEGER NOT "
            "NULL,[NoteType] INTEGER NOT NULL,[Size] VARCHAR(20) NOT NULL,[CreateTime] "
            "VARCHAR(25) NOT NULL,[ModifyTime] VARCHAR(25) NOT NULL,[NTime] VARCHAR(30) NOT NULL, "
            "[TimeOut] INTEGER, [TimeOutType] INTEGER);"),
        QStringLiteral(
            "CREATE TABLE [Memoboard] ( [Id] integer PRIMARY KEY AUTOINCREMENT NOT NULL, "
            "[ParentId] INTEGER NOT NULL, [Caption] VARCHAR(30) NOT NULL, [Position] VARCHAR(20) "
            ", [Color] INTEGER ,[Bgimg] TEXT, [BgColor] INTEGER,[Sort] INTEGER DEFAULT 0 );"),
        QStringLiteral("CREATE TABLE [FindInfo] ([Id] integer PRIMARY KEY AUTOINCREMENT NOT "
                       "NULL,[info] VARCHAR(100),[ctime] VARCHAR(30));"),
        QStringLiteral("CREATE TABLE [User] ([Id] integer PRIMARY KEY AUTOINCREMENT NOT "
                       "NULL,[Username] VARCHAR(100),[Password] VARCHAR(50));"),
    };
}

bool CreateSchema() {
    VelmarPaths::EnsureDataFolder();
    // An empty file holds nothing to keep: it is what an interrupted first start leaves.
    const QFileInfo file(VelmarPaths::DatabaseFile());
    if (file.exists() && file.size() > 0)
        return false;
    // One transaction, so a first start that is cut short leaves all four tables or none.
    // A statement that fails is logged by the access layer and start-up carries on.
    RunSQL(QStringLiteral("BEGIN"));
    for (const QString& statement : SchemaStatements())
        RunSQL(statement);
    RunSQL(QStringLiteral("COMMIT"));
    qCInfo(lcStorage) << "created" << VelmarPaths::DatabasePath();
    return true;
}
