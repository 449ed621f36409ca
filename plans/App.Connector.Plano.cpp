#include "App.Connector.Plano.h"

#include "App.Presenter.DependentePlano.h"
#include "App.Presenter.Plano.h"

TPlanoConnector TPlanoConnector::New(const TPlanoSubPresenters &ASubPresenters)
{
    TPlanoConnector connector;
    connector.m_sub = ASubPresenters;
    return connector;
}

TPlanoConnector &TPlanoConnector::SetPresenterPlano(TPlanoPresenter *APresenter)
{
    m_presenter = APresenter;
    if (!m_presenter)
        return *this;
    if (m_sub.DependentePlano) {
        m_sub.DependentePlano->SetListRemoveServicoDependentePlano(
            &m_presenter->ListRemoveServicoDependentePlano);
        m_sub.DependentePlano->SetListRemove(&m_presenter->ListRemoveDependentePlano);
    }
    const std::pair<TBaseSubCadastroPresenter *, QStringList *> lists[] = {
        { m_sub.ServicoDependentePlano, &m_presenter->ListRemoveServicoDependentePlano },
        { m_sub.CarenciaPlano, &m_presenter->ListRemoveCarenciaPlano },
        { m_sub.ServicoPlano, &m_presenter->ListRemoveServicoPlano },
        { m_sub.ValorPlano, &m_presenter->ListRemoveValorPlano },
        { m_sub.FaixaEtariaPlano, &m_presenter->ListRemoveFaixaEtariaPlano },
        { m_sub.AdicionalContratoPlano, &m_presenter->ListRemoveAdicionalContratoPlano },
        { m_sub.ConvenioPlano, &m_presenter->ListRemoveConvenioPlano },
        { m_sub.VendedorPlano, &m_presenter->ListRemoveVendedorPlano },
    };
    for (const auto &[presenter, list] : lists)
        if (presenter)
            presenter->SetListRemove(list);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetServicoDependentePlano(TMemTable *ADataSet)
{
    if (!m_presenter)
        return *this;
    if (m_sub.DependentePlano)
        m_sub.DependentePlano->SetDataSetServicoDependentePlano(ADataSet);
    m_presenter->SetDataSetServicoDependentePlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetDependentePlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetDependentePlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetCarenciaPlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetCarenciaPlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetServicoPlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetServicoPlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetValorPlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetValorPlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetFaixaEtariaPlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetFaixaEtariaPlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetAdicionalContratoPlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetAdicionalContratoPlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetConvenioPlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetConvenioPlano(ADataSet);
    return *this;
}

TPlanoConnector &TPlanoConnector::SetDataSetVendedorPlano(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetVendedorPlano(ADataSet);
    return *this;
}
