#include "App.Adapter.Frame.FaixaHorarioComissao.h"

TFaixaHorarioComissaoFrameAdapter::TFaixaHorarioComissaoFrameAdapter(QWidget *AOwner,
                                                                     const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    AddField(LabelTitleHoraInicial,
             LabelHoraInicial,
             { u"HoraInicial", u"Hora Inícial:", 184, 270, 42, u"HORA_INICIAL" });
    AddField(LabelTitleHoraFinal,
             LabelHoraFinal,
             { u"HoraFinal", u"Hora Final:", 408, 484, 42, u"HORA_FINAL" });
    SetupLabels();
}
