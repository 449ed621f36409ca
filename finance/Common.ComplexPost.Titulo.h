#pragma once

#include "Common.Entity.EmpresaTitulo.h"
#include "Common.Entity.ParcelaTitulo.h"
#include "Common.Entity.PlanoContasTitulo.h"
#include "Common.Entity.Titulo.h"

#include <memory>

// The aggregate body of a title saved with its instalments, company shares and chart-of-accounts
// shares (POST /titulo/complex), new and stored alike, with the ids of stored children to delete;
// the reply is read back as the same class. GerarBoletos asks the back end to issue a boleto for
// each instalment in the same save. The six lists exist from the start, so an empty one is sent
// as {"listHelper":[]}.
class TTituloComplexPost final : public TTituloEntity
{
    ZUNTA_CLASS(TTituloComplexPost)

    bool GerarBoletos = false;
    std::unique_ptr<TObjectList<TEmpresaTituloEntity>> EmpresaTitulos
        = std::make_unique<TObjectList<TEmpresaTituloEntity>>();
    std::unique_ptr<TListInt64> RemoveEmpresaTitulos = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TParcelaTituloEntity>> ParcelaTitulos
        = std::make_unique<TObjectList<TParcelaTituloEntity>>();
    std::unique_ptr<TListInt64> RemoveParcelaTitulos = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TPlanoContasTituloEntity>> PlanoContasTitulos
        = std::make_unique<TObjectList<TPlanoContasTituloEntity>>();
    std::unique_ptr<TListInt64> RemovePlanoContasTitulos = std::make_unique<TListInt64>();

    // Empties the six lists, freeing the children; a list a reply left null is created again.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TTituloComplexPost,
                      (TTituloEntity),
                      (GerarBoletos,
                       EmpresaTitulos,
                       RemoveEmpresaTitulos,
                       ParcelaTitulos,
                       RemoveParcelaTitulos,
                       PlanoContasTitulos,
                       RemovePlanoContasTitulos))
