#include "App.Lib.Application.h"
#include "RestRequest.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TRestRequest::GlobalInit();
    // The application the client runs, with its last net for failures escaping a handler.
    TQtApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
