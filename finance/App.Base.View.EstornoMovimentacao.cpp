#include "App.Base.View.EstornoMovimentacao.h"

#include "App.Base.Adapter.h"
#include "App.Lib.FormContainer.h"
#include "App.Presenter.EstornoMovimentacaoFinanceira.h"
#include "App.View.Sub.EstornoMovimentacaoFinanceira.h"

#include "App.Lib.Utils.h"

#include "SysUtils.h"

#include <QPointer>

TFormBaseViewEstornoMovimentacao::TFormBaseViewEstornoMovimentacao(const QString &AClassName,
                                                                   QWidget *AParent)
    : TFormBaseCadastro(AClassName, AParent)
{ }

TFormBaseViewEstornoMovimentacao::~TFormBaseViewEstornoMovimentacao() = default;

void TFormBaseViewEstornoMovimentacao::FormCreate()
{
    TFormBaseCadastro::FormCreate();
    HideEdicao();
    FEstornoPresenter = TBasePresenter::Create<TEstornoMovimentacaoFinanceiraPresenter>();
}

void TFormBaseViewEstornoMovimentacao::enablePanelFilter()
{
    TFormBaseCadastro::enablePanelFilter();
    FEnabledPanelFilter = true;
}

void TFormBaseViewEstornoMovimentacao::requireMovimentar() const
{
    if (!FPermissionMovimentar)
        throw Exception(QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso."));
}

std::int64_t TFormBaseViewEstornoMovimentacao::idMovimentacaoOf(const TFrameBaseAdapter *AFrame)
{
    return StrToInt64(AFrame->TagString);
}

void TFormBaseViewEstornoMovimentacao::estornarMovimentacaoFinanceira(std::int64_t AIdMovimentacao)
{
    bool estornar = false;
    {
        const std::unique_ptr<TFormSubViewEstornoMovimentacaoFinanceira> dialog(
            TFormBase::Create<TFormSubViewEstornoMovimentacaoFinanceira>());
        dialog->SetIdMovimentacaoFinanceira(AIdMovimentacao);
        dialog->SetPresenter(FEstornoPresenter.get());
        dialog->SetInformacao(QString());
        {
            const std::unique_ptr<TFormContainer> container = TFormContainer::New();
            container->SetFormView(dialog.get(), false);
            container->Execute();
        }
        estornar = dialog->IsEstornar();
    }
    if (!estornar)
        return;
    TEstornoMovimentacaoFinanceiraPresenter *presenter = FEstornoPresenter.get();
    const QPointer<TFormBaseViewEstornoMovimentacao> self(this);
    // A refusal is shown by the long action once the overlay has gone; the list stays.
    RunLongAction([presenter] { presenter->PostEstorno(); },
                  [self] {
                      TAppUtils::MessageSystem(
                          QStringLiteral("SUCCESSOperação realizada com sucesso."));
                      if (self)
                          self->SearchEditButtonPesquisarClick(nullptr);
                  });
}
