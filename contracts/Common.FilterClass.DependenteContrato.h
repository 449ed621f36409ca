#pragma once

#include "Common.Base.FilterClass.h"

#include <memory>

// The body of the member prints (cards, agreement guide, proposal or certificate, card receipt).
// Every member but ListaIds is a filter text with the value on both sides of "#" (a Boolean as
// "-1" or "0"); ListaIds holds the members' ids as texts. Values set for one print stay for the
// next one on the same object.
class TDependenteContratoFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TDependenteContratoFilterClass)

    QString IdPlano;
    QString IsCartaoPvcModelo2;
    QString IsCartaoPvcModelo1;
    QString IsCertificadoSeguro;
    QString IsCertificadoMapfre;
    QString IsContratoProprio;
    QString IsPropostaAdesao;
    QString IsFilterFaixaEtaria;
    QString IsContratoLGPD;
    QString IsPropostaOrCertificado;
    std::unique_ptr<TListString> ListaIds = std::make_unique<TListString>();
    QString TipoPlanoSeguradora;
    QString FileReportNameContratoProprio;
    QString IsCartaoPvcModelo3;
    QString IsCartaoPvcModelo4;
    QString quantEmBranco;
    QString IdContrato;
    QString IdConvenio;
    QString IdEspecialidade;
    QString IsGuiaConvenio;
    QString IdServico;

    // "<value>#<value>", the form of every member here.
    static QString FilterText(const QString &AValue);
    // "-1#-1" for true, "0#0" for false.
    static QString FilterTextOfBoolean(bool AValue);
};
BOOST_DESCRIBE_STRUCT(TDependenteContratoFilterClass,
                      (TBaseFilterClass),
                      (IdPlano,
                       IsCartaoPvcModelo2,
                       IsCartaoPvcModelo1,
                       IsCertificadoSeguro,
                       IsCertificadoMapfre,
                       IsContratoProprio,
                       IsPropostaAdesao,
                       IsFilterFaixaEtaria,
                       IsContratoLGPD,
                       IsPropostaOrCertificado,
                       ListaIds,
                       TipoPlanoSeguradora,
                       FileReportNameContratoProprio,
                       IsCartaoPvcModelo3,
                       IsCartaoPvcModelo4,
                       quantEmBranco,
                       IdContrato,
                       IdConvenio,
                       IdEspecialidade,
                       IsGuiaConvenio,
                       IdServico))
