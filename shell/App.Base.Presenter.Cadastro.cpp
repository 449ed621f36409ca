#include "App.Base.Presenter.Cadastro.h"

#include "SysUtils.h"

#include <exception>

bool TBaseCadastroPresenter::deleteItems(const TListInt64 &AListRemove)
{
    TBasePresenter::deleteItems(AListRemove);
    try {
        const bool removed = Service()->deleteItems(
            AListRemove, Entity() ? Entity()->ClassInfo().Name() : QString());
        if (removed && ProcReloadDados)
            ProcReloadDados();
        return removed;
    } catch (const Exception &failure) {
        throw Exception(Format(QStringLiteral("WARNING:Não foi possível remover os itens.\r\n%s."),
                               { failure.Message() }));
    } catch (const std::exception &failure) {
        throw Exception(Format(QStringLiteral("WARNING:Não foi possível remover os itens.\r\n%s."),
                               { QString::fromUtf8(failure.what()) }));
    }
}
