#pragma once
// Where an installed program keeps a learner's files. A build, or a copy run
// from a folder its user can write, keeps everything beside the executable.
// An installed program cannot write there (and two users must not share one
// history), so each user gets a folder of their own, stocked on every start
// with the shipped files it is missing; a learner's own files are never
// replaced.
#include <QString>
#include <QStringList>

#include <functional>

namespace lumo {

struct ProgramFolderPlan {
    QString folder;        // the program folder, with a trailing separator
    QString shippedFolder; // the shipped files to stock it from; empty when `folder` holds them already
};

// True when a file can be created in `folder` (tried, then removed).
bool folderIsWritable(const QString& folder);

// `installedDataFolder` is where an installation puts the shipped files
// (for /usr/bin/lumo-english: /usr/share/lumo-english); `perUserFolder` is
// the user's own data folder.
ProgramFolderPlan planProgramFolder(const QString& executableFolder, const QString& installedDataFolder,
                                    const QString& perUserFolder,
                                    const std::function<bool(const QString&)>& canWrite = folderIsWritable);

// The files the program ships: course, word, example, help and sound files.
bool isShippedFileName(const QString& name);

struct StockResult {
    QStringList copied; // file names, in the order copied
    QStringList failed; // file names that could not be copied
    bool folderCreated = true;
};

// Copies every shipped file of `shippedFolder` that `folder` lacks; files
// already in `folder` are left exactly as they are. Creates `folder` first.
StockResult stockProgramFolder(const QString& shippedFolder, const QString& folder);

// A Japanese message naming what went wrong, or an empty string.
QString stockProblemMessage(const StockResult& result, const QString& folder);

// Once at start-up, before the main window loads: plans the program folder
// for this executable (the installed shipped files lie at
// `installedDataFromExecutable`, relative to the executable's folder),
// stocks it when it is a per-user folder, and points programFolder() at it.
// Returns stockProblemMessage()'s text.
QString settleProgramFolder(const QString& installedDataFromExecutable);

} // namespace lumo
