#include "App.Presenter.FaixaComissao.h"

ZUNTA_REGISTER_PRESENTER(TFaixaComissaoPresenter)

TFaixaComissaoPresenter::TFaixaComissaoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TFaixaComissaoPresenter"),
                              { { "ID_FAIXA_HORARIO_COMISSAO", 0, "0000000000" },
                                { "LISTA_TIPO_COMISSAO", 0, "0000000000" },
                                { "QUANTIDADE", 0, ",0.00" },
                                { "PERCENTUAL", 0, ",0.0000" },
                                { "VALOR", 0, ",0.00" },
                                { "TIPO_COMISSAO", 100 },
                                { "CODIGO_TIPO_COMISSAO", 10 } })
{ }

QString TFaixaComissaoPresenter::GetFieldsSearch()
{
    return QStringLiteral("TIPO_COMISSAO;CODIGO_TIPO_COMISSAO");
}

void TFaixaComissaoPresenter::loadRows()
{
    const auto rows = service().fillFaixaComissao(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TFaixaComissaoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("TIPO_COMISSAO"), QStringLiteral("EditListaTipoComissao"));
    fillColumnFromControl(
        QStringLiteral("CODIGO_TIPO_COMISSAO"), QStringLiteral("EditListaTipoComissao"), true);
}
