#pragma once

#include "Common.Base.Serialize.h"
#include "Common.Interf.Entity.h"

#include <cstdint>
#include <memory>

// Base of the request body of a single record, and of most aggregate bodies.
class TBaseEntity : public TSerializeObject, public IEntity
{
    ZUNTA_CLASS(TBaseEntity)

    std::int64_t Id = 0;
    std::int64_t IdOwner = 0;
    TDateTime DataCadastro;

    void SetId(std::int64_t value) override { Id = value; }
    std::int64_t GetId() const override { return Id; }
    void SetIdOwner(std::int64_t value) override { IdOwner = value; }
    std::int64_t GetIdOwner() const override { return IdOwner; }
    void SetDataCadastro(TDateTime value) override { DataCadastro = value; }
    TDateTime GetDataCadastro() const override { return DataCadastro; }

    // Resets every writable plain property by its type: numbers and dates to 0, texts to empty,
    // booleans to false. Pictures (TSString), nested objects and lists keep their values, and
    // NameClass stays the class name; then AfterClear.
    void Clear() override;
    // For descendants that own child lists or lists of removed ids: empty or free them here.
    virtual void AfterClear();

protected:
    // For AfterClear: empties an owned list, or creates it again when a reply left it null, so
    // the next save still sends it.
    template<class TList>
    static void EmptyList(std::unique_ptr<TList> &AList)
    {
        if (AList)
            AList->clear();
        else
            AList = std::make_unique<TList>();
    }
};
BOOST_DESCRIBE_STRUCT(TBaseEntity, (TSerializeObject), (Id, IdOwner, DataCadastro))
