#pragma once

#include <cstdint>

// The quick settlement ("BAIXA SIMPLIFICADA", class TFormViewBaixaSimplificada, a TFormBaseView)
// of a title just saved. The title window creates it by class name after a simplified title was
// saved, names the title, hosts it in a TFormContainer and frees it when it closes.
class IFormViewBaixaSimplificada
{
public:
    virtual ~IFormViewBaixaSimplificada() = default;

    // The title whose instalments are settled, entered as a simplified title.
    virtual void SetTituloSimplificado(std::int64_t AIdTitulo) = 0;
};
