#pragma once

#include "App.Base.Service.h"

class TAlteracaoTituloCarteiraComplexPost;

// The collection portfolios (/carteira); the base calls serve them, and titles move between
// portfolios here.
class TCarteiraService final : public TBaseService
{
public:
    TCarteiraService();

    // POST /carteira/alteracao-titulo with the body (time-out 45000 ms); raises the reply's text
    // when the status is not 200. Nothing is read from a successful reply.
    void postAlteracaoTitulo(const TAlteracaoTituloCarteiraComplexPost &AComplexPost);
};
