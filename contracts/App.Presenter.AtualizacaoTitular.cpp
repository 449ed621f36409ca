#include "App.Presenter.AtualizacaoTitular.h"

ZUNTA_REGISTER_PRESENTER(TAtualizacaoTitularPresenter)

TAtualizacaoTitularPresenter::TAtualizacaoTitularPresenter()
    : TBaseCadastroPresenter(QStringLiteral("TAtualizacaoTitularPresenter"))
{ }

std::unique_ptr<TBaseEntity> TAtualizacaoTitularPresenter::CreateEntity()
{
    return nullptr;
}

std::unique_ptr<TBaseService> TAtualizacaoTitularPresenter::CreateService()
{
    return nullptr;
}
