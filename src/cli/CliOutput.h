#pragma once

#include <string>

#include "files/BackupStore.h"
#include "files/FileResult.h"

// A one-line error on stderr; the command then ends with the usage-or-file exit status.
int Fail(const std::string& message);

// The file's problem on stderr, in English.
int Fail(const FileResult& result);

// The exit status of a command whose last step wrote a file.
int Finished(const FileResult& result);

// Where a backup went, or why it failed, on stderr, after `port` ("COM3: ") when it names one;
// nothing when none was made.
void ShowBackup(const BackupResult& kept, const std::string& port = {});
