#include "Common.ComplexPost.Pessoa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPessoaComplexPost)

void TPessoaComplexPost::AfterClear()
{
    TPessoaEntity::AfterClear();
    EmptyList(Enderecos);
    EmptyList(RemoveEnderecos);
    EmptyList(Contatos);
    EmptyList(RemoveContatos);
    EmptyList(RemovePessoaIntegracaoApis);
    EmptyList(PessoaIntegracaoApis);
    RemoverFoto = false;
}
