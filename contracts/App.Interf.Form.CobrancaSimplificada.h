#pragma once

// The simplified-charge dialog ("COBRANÇA SIMPLIFICADA", class TFormSubViewCobrancaSimplificada,
// a TFormBaseView). In its count-only mode it only asks how many instalments a title is split
// into: the title window creates it by class name, hosts it in a TFormContainer and, once it is
// closed, reads the number chosen with "Gerar".
class IFormSubViewCobrancaSimplificada
{
public:
    virtual ~IFormSubViewCobrancaSimplificada() = default;

    // Only the number of instalments is asked.
    virtual void SetApenasQuantidadeParcelas(bool AValue) = 0;
    // The number chosen with "Gerar"; 0 when the dialog was closed otherwise.
    virtual int QuantidadeParcelas() const = 0;
};
