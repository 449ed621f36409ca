#pragma once

#include "Common.Lib.Utils.h"

#include "WaitFor.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Waits until no worker thread runs, then handles what they queued for the main thread: a window
// that read or saved on a worker has finished with it.
inline void waitIdle()
{
    ASSERT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
    QCoreApplication::processEvents();
}
