#include "App.Presenter.TransferenciaSaldo.h"

#include "App.Service.MovimentacaoFinanceira.h"

#include "SysUtils.h"

ZUNTA_REGISTER_PRESENTER(TTransferenciaSaldoPresenter)

TTransferenciaSaldoPresenter::TTransferenciaSaldoPresenter()
    : TBasePresenter(QStringLiteral("TTransferenciaSaldoPresenter"))
{ }

std::unique_ptr<TBaseEntity> TTransferenciaSaldoPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TTransferenciaSaldoPresenter::CreateService()
{
    return nullptr;
}

void TTransferenciaSaldoPresenter::ValidarTransferencia(const TTransferenciaSaldoDto &ADto)
{
    if (ADto.Valor <= 0)
        throw Exception(
            QStringLiteral("WARNING:Não é permitido valor negativo ou zerado no campo valor."));
    if (ADto.ContaDestino == ADto.ContaOrigem)
        throw Exception(
            QStringLiteral("WARNING:A conta de destino deve ser diferente da conta de origem."));
}

void TTransferenciaSaldoPresenter::postTransferenciaSaldo()
{
    TMovimentacaoFinanceiraService service;
    service.postTransferenciaSaldo(*m_transferenciaSaldoDto);
}
