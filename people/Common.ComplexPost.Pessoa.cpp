#include "Common.ComplexPost.Pessoa.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPessoaComplexPost)

namespace {

template<class T>
void empty(std::unique_ptr<T> &list)
{
    if (list)
        list->clear();
    else
        list = std::make_unique<T>();
}

} // namespace

void TPessoaComplexPost::AfterClear()
{
    TPessoaEntity::AfterClear();
    empty(Enderecos);
    empty(RemoveEnderecos);
    empty(Contatos);
    empty(RemoveContatos);
    empty(RemovePessoaIntegracaoApis);
    empty(PessoaIntegracaoApis);
    RemoverFoto = false;
}
