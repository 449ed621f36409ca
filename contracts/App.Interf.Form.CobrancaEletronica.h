#pragma once

#include <cstdint>

// The electronic-charges view ("COBRANÇA ELETRÔNICA", class TFormSubViewCobrancaEletronica, a
// TFormBaseView) of one title instalment: its boleto and payment-API charges. Created by class
// name, given the instalment, hosted in a TFormContainer and freed when it closes.
class IFormSubViewCobrancaEletronica
{
public:
    virtual ~IFormSubViewCobrancaEletronica() = default;

    // Reads the instalment's charges; a failure raises.
    virtual void SetIdParcelaTitulo(std::int64_t AIdParcelaTitulo) = 0;
};
