#include "App.Adapter.Frame.ReciboAvulso.h"

#include "App.Lib.ImageList.h"

#include "Label.h"
#include "MemTable.h"
#include "SpeedButton.h"

namespace {
constexpr int ReciboAvulsoMenuLateralImageIndex = 14;
}

TReciboAvulsoFrameAdapter::TReciboAvulsoFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    SpeedButtonMenuLateral = AddButton(QStringLiteral("SpeedButtonMenuLateral"),
                                       QStringLiteral("infotoolbutton"),
                                       [this] { SpeedButtonMenuLateralClick(); });
    SpeedButtonMenuLateral->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    SpeedButtonMenuLateral->setImageIndex(ReciboAvulsoMenuLateralImageIndex);

    LabelPessoa = AddHeadline(u"LabelPessoa", u"PESSOA");
    AddField(LabelTitleData, LabelData, { u"Data", u"Data:", 16, 56, 42, u"DATA" });
    AddField(LabelTitleEmpresa,
             LabelEmpresa,
             { u"Empresa", u"Empresa:", 236, 300, 42, u"EMPRESA" });
    AddField(LabelTitleMunicipio,
             LabelMunicipio,
             { u"Municipio", u"Município:", 16, 88, 62, u"MUNICIPIO" });
    AddField(LabelTitleTipoRecibo,
             LabelTipoRecibo,
             { u"TipoRecibo", u"Tipo do Recibo:", 236, 344, 62, u"TIPO_RECIBO" });
    // Two lines of values.
    setSize(width(), 90);
    SetupLabels();
}

void TReciboAvulsoFrameAdapter::SpeedButtonMenuLateralClick()
{
    if (ProcMenuLateral)
        ProcMenuLateral(this);
}

void TReciboAvulsoFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    LabelPessoa->setText(ADataSet.FieldByName(QStringLiteral("PESSOA"))->DisplayText()
                         + QStringLiteral(" --- ")
                         + ADataSet.FieldByName(QStringLiteral("VALOR"))->DisplayText());
}
