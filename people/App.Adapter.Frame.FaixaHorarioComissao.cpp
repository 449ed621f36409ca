#include "App.Adapter.Frame.FaixaHorarioComissao.h"

TFaixaHorarioComissaoFrameAdapter::TFaixaHorarioComissaoFrameAdapter(QWidget *AOwner,
                                                                     const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    AddField(LabelTitleHoraInicial,
             LabelHoraInicial,
             { u"HoraInicial", u"Hora Inícial:", 8, 96, 42, u"HORA_INICIAL" });
    AddField(LabelTitleHoraFinal,
             LabelHoraFinal,
             { u"HoraFinal", u"Hora Final:", 184, 260, 42, u"HORA_FINAL" });
    SetupLabels();
}
