#include "App.Presenter.VinculacaoApiFinanceira.h"

#include "App.Base.Presenter.Of.h"
#include "App.Service.PessoaIntegracaoApi.h"
#include "Common.ComplexPost.VinculacaoApiFinanceira.h"

ZUNTA_REGISTER_PRESENTER(TVinculacaoApiFinanceiraPresenter)

TVinculacaoApiFinanceiraPresenter::TVinculacaoApiFinanceiraPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TVinculacaoApiFinanceiraPresenter"))
{ }

void TVinculacaoApiFinanceiraPresenter::GravarVinculacaoApiFinanceira(
    std::int64_t AIdIntegracaoApiFinanceira,
    std::int64_t AIdCarteira,
    std::int64_t AIdMotivo,
    TDateTime ADataInicial,
    bool AVincularClientesCadastrados)
{
    TVinculacaoApiFinanceiraComplexPost body;
    body.IdCarteira = AIdCarteira;
    body.VincularClientesCadastrados = AVincularClientesCadastrados;
    body.IdMotivo = AIdMotivo;
    body.IdIntegracaoApiFinanceira = AIdIntegracaoApiFinanceira;
    body.DataInicial = ADataInicial;
    // A service of the call's own: the linking may run on any worker.
    TPessoaIntegracaoApiService().GravarVinculacaoApiFinanceira(body);
}

std::unique_ptr<TBaseEntity> TVinculacaoApiFinanceiraPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TVinculacaoApiFinanceiraPresenter::CreateService()
{
    return std::make_unique<TPessoaIntegracaoApiService>();
}

void TVinculacaoApiFinanceiraPresenter::CreateFieldsDataSet()
{
    TBaseCadastroPresenter::CreateFieldsDataSet();
    AddListColumns(DataSetInfo(),
                   TVinculacaoApiFinanceiraComplexPost::StaticClassInfo(),
                   { { "ID_CARTEIRA", 0, "0000000000" },
                     { "ID_INTEGRACAO_API_FINANCEIRA", 0, "0000000000" },
                     { "ID_MOTIVO", 0, "0000000000" },
                     { "DATA_INICIAL", 0, "dd/mm/yyyy" } },
                   ClassName());
}
