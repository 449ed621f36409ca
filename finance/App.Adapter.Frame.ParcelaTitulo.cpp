#include "App.Adapter.Frame.ParcelaTitulo.h"

TParcelaTituloFrameAdapter::TParcelaTituloFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelVencimento = AddHeadline(u"LabelVencimento", u"VENCIMENTO");
    AddField(
        LabelTitleParcela, LabelParcela, { u"Parcela", u"Parcela:", 184, 240, 42, u"PARCELA" });
    AddField(LabelTitleNumeroDocumento,
             LabelNumeroDocumento,
             { u"NumeroDocumento", u"Número Documento:", 300, 420, 42, u"NUMERO_DOCUMENTO" });
    AddField(LabelTitleValor, LabelValor, { u"Valor", u"Valor:", 184, 224, 62, u"VALOR" });
    AddField(LabelTitleCodigoBarras,
             LabelCodigoBarras,
             { u"CodigoBarras", u"Código Barras:", 300, 400, 62, u"CODIGO_BARRAS" });
    // Two lines of values.
    setSize(width(), 90);
    SetupLabels();
}
