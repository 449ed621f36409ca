#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a staff member (a collector, a seller): a person registered as staff, with the
// number of the work booklet.
class TColaboradorEntity : public TBaseEntity
{
    ZUNTA_CLASS(TColaboradorEntity)

    std::int64_t IdPessoa = 0;
    QString Ctps;
};
BOOST_DESCRIBE_STRUCT(TColaboradorEntity, (TBaseEntity), (IdPessoa, Ctps))
