#include "App.Presenter.Contrato.AlterarMotivoEncerramento.h"

ZUNTA_REGISTER_PRESENTER(TAlterarMotivoEncerramentoContratoPresenter)

TAlterarMotivoEncerramentoContratoPresenter::TAlterarMotivoEncerramentoContratoPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TAlterarMotivoEncerramentoContratoPresenter"))
{ }

std::unique_ptr<TBaseEntity> TAlterarMotivoEncerramentoContratoPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TAlterarMotivoEncerramentoContratoPresenter::CreateService()
{
    return nullptr;
}
