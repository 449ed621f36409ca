#include "App.Presenter.FaixaParcelaTipoComissao.h"

ZUNTA_REGISTER_PRESENTER(TFaixaParcelaTipoComissaoPresenter)

TFaixaParcelaTipoComissaoPresenter::TFaixaParcelaTipoComissaoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TFaixaParcelaTipoComissaoPresenter"),
                              { { "ID_TIPO_COMISSAO_FUNCAO", 0, "0000000000" },
                                { "ID_COMISSAO", 0, "0000000000" },
                                { "LISTA_FORMA_RECEBIMENTO", 0, "0000000000" },
                                { "FAIXA_PARCELA", 0, ",0.0000" },
                                { "FORMA_RECEBIMENTO", 100 },
                                { "CODIGO_FORMA_RECEBIMENTO", 10 },
                                { "COMISSAO", 100 } })
{ }

QString TFaixaParcelaTipoComissaoPresenter::GetFieldsSearch()
{
    return QStringLiteral("COMISSAO;FORMA_RECEBIMENTO;CODIGO_FORMA_RECEBIMENTO");
}

void TFaixaParcelaTipoComissaoPresenter::loadRows()
{
    const auto rows = service().fillFaixaParcelaTipoComissao(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TFaixaParcelaTipoComissaoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("COMISSAO"), QStringLiteral("EditComissao"));
    fillColumnFromControl(QStringLiteral("FORMA_RECEBIMENTO"),
                          QStringLiteral("EditListaFormaRecebimento"));
    fillColumnFromControl(QStringLiteral("CODIGO_FORMA_RECEBIMENTO"),
                          QStringLiteral("EditListaFormaRecebimento"),
                          true);
}
