#pragma once

#include "DateTime.h"

#include <QString>

// Modification dates of files, as local date-times, in place of the original platform's file
// date routines (which kept two-second dates: here they keep milliseconds).

// The local modification date-time; 0 when the file does not exist.
TDateTime FileAge(const QString &APath);
// Sets the modification date-time (local, to the millisecond); false when it cannot.
bool FileSetDate(const QString &APath, TDateTime ADate);
// Copies the file over any file of the destination's name; the copy keeps the source's exact
// modification date and its permissions. False when it cannot.
bool CopyFileKeepingDate(const QString &ASource, const QString &ADestination);
// The two date-times fall in the same whole second.
bool SameSecond(TDateTime A, TDateTime B);
