#include "App.Adapter.Frame.ParcelaTitulo.h"

TParcelaTituloFrameAdapter::TParcelaTituloFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelVencimento = AddHeadline(u"LabelVencimento", u"VENCIMENTO");
    AddField(LabelTitleParcela, LabelParcela, { u"Parcela", u"Parcela:", 8, 60, 24, u"PARCELA" });
    AddField(LabelTitleNumeroDocumento,
             LabelNumeroDocumento,
             { u"NumeroDocumento", u"Número Documento:", 120, 240, 24, u"NUMERO_DOCUMENTO" });
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor:", 8, 60, 42, u"VALOR" });
    AddField(LabelTitleCodigoBarras,
             LabelCodigoBarras,
             { u"CodigoBarras", u"Código Barras:", 120, 240, 42, u"CODIGO_BARRAS" });
    SetupLabels();
}
