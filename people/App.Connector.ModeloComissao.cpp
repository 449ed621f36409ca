#include "App.Connector.ModeloComissao.h"

#include "App.Presenter.ComissaoFuncao.h"
#include "App.Presenter.FaixaParcelaTipoComissao.h"
#include "App.Presenter.ModeloComissao.h"
#include "App.Presenter.TipoComissaoFuncao.h"

TModeloComissaoConnector
TModeloComissaoConnector::New(TComissaoFuncaoPresenter *AComissaoFuncao,
                              TTipoComissaoFuncaoPresenter *ATipoComissaoFuncao,
                              TFaixaParcelaTipoComissaoPresenter *AFaixaParcela)
{
    TModeloComissaoConnector connector;
    connector.m_comissaoFuncao = AComissaoFuncao;
    connector.m_tipoComissaoFuncao = ATipoComissaoFuncao;
    connector.m_faixaParcela = AFaixaParcela;
    return connector;
}

TModeloComissaoConnector &
TModeloComissaoConnector::SetPresenterModeloComissao(TModeloComissaoPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    QStringList *faixas = &m_presenter->ListRemoveFaixaParcelaTipoComissao;
    QStringList *tipos = &m_presenter->ListRemoveTipoComissaoFuncao;
    if (m_faixaParcela)
        m_faixaParcela->SetListRemove(faixas);
    if (m_tipoComissaoFuncao) {
        m_tipoComissaoFuncao->SetListRemoveFaixaParcelaTipoComissao(faixas);
        m_tipoComissaoFuncao->SetListRemove(tipos);
    }
    if (m_comissaoFuncao) {
        m_comissaoFuncao->SetListRemoveFaixaParcelaTipoComissao(faixas);
        m_comissaoFuncao->SetListRemoveTipoComissaoFuncao(tipos);
        m_comissaoFuncao->SetListRemove(&m_presenter->ListRemoveComissaoFuncao);
    }
    return *this;
}

TModeloComissaoConnector &TModeloComissaoConnector::SetDataSetComissaoFuncao(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetComissaoFuncao(ADataSet);
    return *this;
}

TModeloComissaoConnector &
TModeloComissaoConnector::SetDataSetTipoComissaoFuncao(TMemTable *ADataSet)
{
    if (!m_presenter)
        return *this;
    if (m_comissaoFuncao)
        m_comissaoFuncao->SetDataSetTipoComissaoFuncao(ADataSet);
    m_presenter->SetDataSetTipoComissaoFuncao(ADataSet);
    return *this;
}

TModeloComissaoConnector &
TModeloComissaoConnector::SetDataSetFaixaParcelaTipoComissao(TMemTable *ADataSet)
{
    if (!m_presenter)
        return *this;
    if (m_tipoComissaoFuncao)
        m_tipoComissaoFuncao->SetDataSetFaixaParcelaTipoComissao(ADataSet);
    if (m_comissaoFuncao)
        m_comissaoFuncao->SetDataSetFaixaParcelaTipoComissao(ADataSet);
    m_presenter->SetDataSetFaixaParcelaTipoComissao(ADataSet);
    return *this;
}
