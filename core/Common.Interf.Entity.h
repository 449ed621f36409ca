#pragma once

#include "DateTime.h"

#include <cstdint>

// What every request body of a single record offers. A reference through the interface never
// owns the entity.
class IEntity
{
public:
    virtual void SetId(std::int64_t value) = 0;
    virtual std::int64_t GetId() const = 0;
    virtual void SetIdOwner(std::int64_t value) = 0;
    virtual std::int64_t GetIdOwner() const = 0;
    virtual void SetDataCadastro(TDateTime value) = 0;
    virtual TDateTime GetDataCadastro() const = 0;
    virtual void Clear() = 0;

protected:
    ~IEntity() = default;
};
