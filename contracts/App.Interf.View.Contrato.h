#pragma once

#include <cstdint>

// A view the contract window opens for its contract (the financial cancellation, the receipt and
// charge screens): created by class name, handed the contract, then hosted modally in a
// TFormContainer.
class IViewContrato
{
public:
    virtual ~IViewContrato() = default;

    // Puts the contract into the view's contract lookup (as an id, not a code) and disables the
    // controls that would widen the view beyond that contract.
    virtual void ExecuteAndDisableControl(std::int64_t AIdContrato) = 0;
    // True when hosted in a TFormContainer: the view then closes itself once its work succeeded.
    virtual void SetIsViewModal(bool AValue) = 0;
};
