#pragma once

#include "App.Base.Service.h"

#include <memory>

class TFormPermissionDto;

// Reads the permissions of the logged-in user for one window class (/form-permission).
class TFormPermissionService final : public TBaseService
{
public:
    TFormPermissionService();

    // The permissions for the window class; null without a logged-in user, for a 304, for a
    // reply that is not JSON and for a refused request (status 400 or above), so that a refusal
    // never reads as an all-false permission. The caller owns the result.
    std::unique_ptr<TFormPermissionDto> getFormPermssion(const QString &AFormClass);
};
