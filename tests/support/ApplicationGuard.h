#pragma once

#include "App.Lib.Application.h"

// Puts the application object back as the test found it: one that the test created, directly or
// by a window that asked for it, is dropped on leaving, and with it the hooks it installed (the
// bound controls' opening of registration windows, the user-activity report, the inactivity
// timer). Declare it before the windows, so that it goes after them.
class ApplicationGuard
{
public:
    ApplicationGuard()
        : m_existed(TApplicationZunta::FindInstance() != nullptr)
    { }
    ~ApplicationGuard()
    {
        if (!m_existed)
            TApplicationZunta::ResetInstance();
    }
    ApplicationGuard(const ApplicationGuard &) = delete;
    ApplicationGuard &operator=(const ApplicationGuard &) = delete;

private:
    bool m_existed;
};
