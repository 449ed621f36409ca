#include "App.Adapter.Frame.AtualizacaoValores.Servicos.h"

TServicosAtualizacaoValoresFrameAdapter::TServicosAtualizacaoValoresFrameAdapter(
    QWidget *AOwner, const QString &name)
    : TAtualizacaoValoresFrameAdapter(AOwner, name)
{
    prepareControls();
}
