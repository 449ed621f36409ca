#include "App.Presenter.TipoComissaoFuncao.h"

#include <utility>

ZUNTA_REGISTER_PRESENTER(TTipoComissaoFuncaoPresenter)

TTipoComissaoFuncaoPresenter::TTipoComissaoFuncaoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TTipoComissaoFuncaoPresenter"),
                              { { "ID_COMISSAO_FUNCAO", 0, "0000000000" },
                                { "CODIGO_CATEGORIA_REALIZACAO", 10 },
                                { "LISTA_CATEGORIA_REALIZACAO", 0, "0000000000" },
                                { "CATEGORIA_REALIZACAO", 100 },
                                { "CODIGO_ORIGEM_CALCULO_COMISSAO", 10 },
                                { "LISTA_ORIGEM_CALCULO_COMISSAO", 0, "0000000000" },
                                { "ORIGEM_CALCULO_COMISSAO", 100 },
                                { "CODIGO_BASE_COMISSAO", 10 },
                                { "LISTA_BASE_COMISSAO", 0, "0000000000" },
                                { "BASE_COMISSAO", 100 },
                                { "TIPO_COMISSAO", 100 },
                                { "CODIGO_TIPO_COMISSAO", 10 },
                                { "LISTA_TIPO_COMISSAO", 0, "0000000000" } })
{ }

QString TTipoComissaoFuncaoPresenter::GetFieldsSearch()
{
    return QStringLiteral(
        "TIPO_COMISSAO;CATEGORIA_REALIZACAO;ORIGEM_CALCULO_COMISSAO;BASE_COMISSAO");
}

void TTipoComissaoFuncaoPresenter::loadRows()
{
    const auto rows = service().fillTipoComissaoFuncao(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TTipoComissaoFuncaoPresenter::deleteChildRecords(std::int64_t AId)
{
    if (m_dataSetFaixaParcelaTipoComissao)
        deleteRecordsRegistroFK(
            AId, *m_dataSetFaixaParcelaTipoComissao, m_listRemoveFaixaParcelaTipoComissao);
}

void TTipoComissaoFuncaoPresenter::afterUpdateInfoRegistroFK()
{
    for (const auto &[control, column] :
         { std::pair { "EditListaTipoComissao", "TIPO_COMISSAO" },
           std::pair { "EditListaCategoriaRealizacao", "CATEGORIA_REALIZACAO" },
           std::pair { "EditListaOrigemCalculoComissao", "ORIGEM_CALCULO_COMISSAO" },
           std::pair { "EditListaBaseComissao", "BASE_COMISSAO" } }) {
        fillColumnFromControl(QLatin1String(column), QLatin1String(control));
        fillColumnFromControl(
            QStringLiteral("CODIGO_") + QLatin1String(column), QLatin1String(control), true);
    }
}
