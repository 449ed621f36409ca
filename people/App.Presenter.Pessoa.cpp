#include "App.Presenter.Pessoa.h"

#include "Common.Lib.PictureText.h"
#include "Common.Lib.Utils.h"

#include "FormatSettings.h"
#include "MemTable.h"
#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TPessoaPresenter)

namespace {

constexpr int MinimumSearchLength = 3;

// Every row of a child table as a new body of its kind, appended to the aggregate's list. The
// table's row filter is switched off first, so rows hidden by a search in the sub-form go too.
template<class TChild>
void appendRows(TBasePresenter &APresenter, TMemTable *ATable, TObjectList<TChild> &AList)
{
    if (!ATable || !ATable->Active())
        return;
    ATable->SetFiltered(false);
    ATable->First();
    while (!ATable->Eof()) {
        auto child = std::make_unique<TChild>();
        APresenter.SetObjectFromDataSet(child.get(), ATable);
        AList.push_back(std::move(child));
        ATable->Next();
    }
}

void appendIds(const QStringList &ALines, TListInt64 &AIds)
{
    for (std::int64_t id : TUtils::convertStringListToIntList(ALines))
        AIds.push_back(id);
}

} // namespace

TPessoaPresenter::TPessoaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TPessoaPresenter"),
                           { { "NOME", 100 },
                             { "CPF_CNPJ", 14 },
                             { "PESQUISA", 30 },
                             { "DATA_NASCIMENTO", 0, "dd/mm/yyyy" },
                             { "NUMERO_CONTRATO" },
                             { "QUANTIDADE_PARCELAS_ABERTAS_AVULSAS" },
                             { "QUANTIDADE_PARCELAS_ABERTAS_CONTRATO" },
                             { "DEPENDENTE_ATIVO" },
                             { "PLANO", 200 },
                             { "PARENTESCO", 100 },
                             { "COMPLEMENTO", 100 },
                             { "LOGRADOURO", 100 },
                             { "NUMERO", 100 },
                             { "BAIRRO", 100 },
                             { "LISTA_TIPO_PESSOA", 0, "0000000000" },
                             { "TIPO_PESSOA", 100 },
                             { "CODIGO_TIPO_PESSOA", 2 },
                             { "EXISTE_TITULOS_VINCULADOS" },
                             { "TIPO_CONTATO", 100 },
                             { "TELEFONE", 20 },
                             { "INTERNET", 150 } })
{ }

void TPessoaPresenter::validarTextoPesquisa(const QString &ATextSearch)
{
    int number = 0;
    if (ATextSearch.size() < MinimumSearchLength && !TryStrToInt(ATextSearch, number))
        throw Exception(Format(
            QStringLiteral("WARNING:Para realizar a pesquisa é necessário %s letras no mínimo."),
            { QString::number(MinimumSearchLength) }));
}

void TPessoaPresenter::loadRows()
{
    validarTextoPesquisa(TextSearch);
    TCadastroPresenterOf::loadRows();
}

void TPessoaPresenter::afterClear()
{
    TCadastroPresenterOf::afterClear();
    m_listRemoveEndereco.clear();
    m_listRemoveContato.clear();
    m_listRemovePessoaIntegracaoApi.clear();
}

std::unique_ptr<TSerializeObject> TPessoaPresenter::getById(std::int64_t AId)
{
    std::unique_ptr<TPessoaEntity> pessoa = service().findById<TPessoaEntity>(AId);
    if (pessoa && !pessoa->Foto.isEmpty())
        Foto = TPictureText::Decode(pessoa->Foto);
    return pessoa;
}

std::unique_ptr<TSerializeObject> TPessoaPresenter::PostService()
{
    TPessoaComplexPost &pessoa = *entity();
    pessoa.Foto = TPictureText::Encode(Foto);
    return service().post(pessoa);
}

std::unique_ptr<TSerializeObject> TPessoaPresenter::PostComplexService()
{
    // The child tables belong to the sub-forms' row lists on the main thread: the body is built
    // here, and only the request leaves it.
    TPessoaComplexPost &pessoa = *entity();
    appendIds(m_listRemoveEndereco, *pessoa.RemoveEnderecos);
    appendIds(m_listRemoveContato, *pessoa.RemoveContatos);
    appendIds(m_listRemovePessoaIntegracaoApi, *pessoa.RemovePessoaIntegracaoApis);
    appendRows(*this, DataSetEndereco, *pessoa.Enderecos);
    appendRows(*this, DataSetContato, *pessoa.Contatos);
    appendRows(*this, DataSetPessoaIntegracaoApi, *pessoa.PessoaIntegracaoApis);
    if (!Foto.isEmpty())
        pessoa.Foto = TPictureText::Encode(Foto);
    pessoa.RemoverFoto = RemoverFoto;

    std::unique_ptr<TPessoaComplexPost> saved;
    runOffMainThread([this, &pessoa, &saved] { saved = service().postComplex(pessoa); });
    return saved;
}
