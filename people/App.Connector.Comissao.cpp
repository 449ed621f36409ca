#include "App.Connector.Comissao.h"

#include "App.Presenter.Comissao.h"
#include "App.Presenter.FaixaComissao.h"
#include "App.Presenter.FaixaHorarioComissao.h"

TComissaoConnector TComissaoConnector::New(TFaixaHorarioComissaoPresenter *AFaixaHorarioComissao,
                                           TFaixaComissaoPresenter *AFaixaComissao)
{
    TComissaoConnector connector;
    connector.m_faixaHorarioComissao = AFaixaHorarioComissao;
    connector.m_faixaComissao = AFaixaComissao;
    return connector;
}

TComissaoConnector &TComissaoConnector::SetPresenterComissao(TComissaoPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    if (m_faixaComissao)
        m_faixaComissao->SetListRemove(&m_presenter->ListRemoveFaixaComissao);
    if (m_faixaHorarioComissao) {
        m_faixaHorarioComissao->SetListRemoveFaixaComissao(&m_presenter->ListRemoveFaixaComissao);
        m_faixaHorarioComissao->SetListRemove(&m_presenter->ListRemoveFaixaHorarioComissao);
    }
    return *this;
}

TComissaoConnector &TComissaoConnector::SetDataSetFaixaComissao(TMemTable *ADataSet)
{
    if (!m_presenter)
        return *this;
    m_presenter->SetDataSetFaixaComissao(ADataSet);
    if (m_faixaHorarioComissao)
        m_faixaHorarioComissao->SetDataSetFaixaComissao(ADataSet);
    return *this;
}

TComissaoConnector &TComissaoConnector::SetDataSetFaixaHorarioComissao(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetFaixaHorarioComissao(ADataSet);
    return *this;
}
