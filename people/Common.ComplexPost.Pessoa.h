#pragma once

#include "Common.Entity.Contato.h"
#include "Common.Entity.Endereco.h"
#include "Common.Entity.Pessoa.h"
#include "Common.Entity.PessoaIntegracaoApi.h"

#include <memory>

// The aggregate body of a person saved with its children (POST /pessoa/complex): every address,
// contact and payment-API link row of the window, new and stored alike (the back end tells them
// apart by id), and the ids of stored children removed in the window. RemoverFoto asks the back
// end to delete the stored photo. The six lists exist from the start.
class TPessoaComplexPost final : public TPessoaEntity
{
    ZUNTA_CLASS(TPessoaComplexPost)

    std::unique_ptr<TObjectList<TEnderecoEntity>> Enderecos
        = std::make_unique<TObjectList<TEnderecoEntity>>();
    std::unique_ptr<TListInt64> RemoveEnderecos = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TContatoEntity>> Contatos
        = std::make_unique<TObjectList<TContatoEntity>>();
    std::unique_ptr<TListInt64> RemoveContatos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemovePessoaIntegracaoApis = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TPessoaIntegracaoApiEntity>> PessoaIntegracaoApis
        = std::make_unique<TObjectList<TPessoaIntegracaoApiEntity>>();
    bool RemoverFoto = false;

    // Empties the three id lists and the three child lists and clears RemoverFoto. A list a
    // reply left null is created again, so the next save still sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TPessoaComplexPost,
                      (TPessoaEntity),
                      (Enderecos,
                       RemoveEnderecos,
                       Contatos,
                       RemoveContatos,
                       RemovePessoaIntegracaoApis,
                       PessoaIntegracaoApis,
                       RemoverFoto))
