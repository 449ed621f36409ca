#include "App.Presenter.AlterarDataUltimaCobranca.h"

#include "App.Service.Contrato.h"

ZUNTA_REGISTER_PRESENTER(TAlterarDataUltimaCobrancaPresenter)

TAlterarDataUltimaCobrancaPresenter::TAlterarDataUltimaCobrancaPresenter()
    : TBasePresenter(QStringLiteral("TAlterarDataUltimaCobrancaPresenter"))
{ }

void TAlterarDataUltimaCobrancaPresenter::AlterarDataUltimaCobrancaImportacao(
    const TAlterarDataUltimaCobrancaImportacaoContratoDto &ADto)
{
    TContratoService contratos;
    contratos.AlterarDataUltimaCobrancaImportacao(ADto);
}

std::unique_ptr<TBaseEntity> TAlterarDataUltimaCobrancaPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TAlterarDataUltimaCobrancaPresenter::CreateService()
{
    return nullptr;
}
