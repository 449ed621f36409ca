#include "App.Adapter.Frame.ServicoDependentePlano.h"

#include "App.Lib.Plano.Calculo.h"

#include "Label.h"
#include "MemTable.h"
#include "FormatSettings.h"

namespace {

// The value of the row: the price captured when it was saved times the index, in cents.
QString valorServicoTextServicoDependentePlano(const TMemTable &ADataSet)
{
    return FormatFloat(QStringLiteral(",0.00"),
                       PlanoCalculo::RoundCentsHalfEven(
                           ADataSet.FieldByName(QStringLiteral("VALOR"))->AsFloat()
                           * ADataSet.FieldByName(QStringLiteral("INDICE"))->AsFloat()));
}

} // namespace

TServicoDependentePlanoFrameAdapter::TServicoDependentePlanoFrameAdapter(QWidget *AOwner,
                                                                         const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelServico = AddHeadline(u"LabelServico", u"SERVICO");
    AddField(LabelTitleIndice, LabelIndice, { u"Indice", u"Índice:", 184, 243, 26, u"INDICE" });
    AddField(LabelTitleUtilizacao,
             LabelUtilizacao,
             { u"Utilizacao", u"Utilização:", 353, 440, 26, u"UTILIZACAO" });
    AddField(LabelTitleTipoUtilizacao,
             LabelTipoUtilizacao,
             { u"TipoUtilizacao", u"Tipo Utilização:", 550, 672, 26, u"TIPO_UTILIZACAO" });
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor Base:", 184, 271, 44, u"VALOR" });
    AddField(LabelTitleValorServico,
             LabelValorServico,
             { u"ValorServico", u"Valor Serviço:", 381, 489, 44 });
    SetupLabels();
}

void TServicoDependentePlanoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelValorServico->setText(valorServicoTextServicoDependentePlano(ADataSet));
}
