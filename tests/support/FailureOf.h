#pragma once

#include "SysUtils.h"

#include <QString>

#include <functional>

// The message of the Exception the call raises; empty when it raises none.
inline QString FailureOf(const std::function<void()> &ACall)
{
    try {
        ACall();
    } catch (const Exception &failure) {
        return failure.Message();
    }
    return QString();
}
