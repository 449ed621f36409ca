#pragma once

#include "Common.Base.Dto.h"

// The logged-in user, as the access resource returns it.
class TUsuarioDto final : public TBaseDto
{
    ZUNTA_CLASS(TUsuarioDto)

    QString Nome;
    QString Login;
    QString Email;
    std::int64_t IdConta = 0;
    std::int64_t IdColaborador = 0;
};
BOOST_DESCRIBE_STRUCT(TUsuarioDto, (TBaseDto), (Nome, Login, Email, IdConta, IdColaborador))
